#pragma once
// The View menu's "Show &Characters Used": the Characters Display for the
// active document's selected table (the first table when none is selected);
// a clicked character is typed into the main window's focused
// keyboard-font edit, as if the user typed it.

class QAction;
class QMenu;

namespace tarvo::app {

class CMainFrame;
class CZodARApp;

// Adds the command to view and returns its action (shown with a document only).
QAction* addCharactersDisplayCommand(CMainFrame& frame, CZodARApp& app, QMenu& view);

} // namespace tarvo::app
