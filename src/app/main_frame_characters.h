#pragma once
// The View menu's "Show &Characters Used": the Characters Display for the
// active document's selected table (the first table when none is selected);
// a clicked character is typed into the main window's focused
// keyboard-font edit, as if the user typed it.

class QAction;

namespace tarvo::app {

class MainFrame;
class CZodARApp;

// Makes the command's action, a child of frame (shown with a document only).
QAction* makeCharactersDisplayCommand(MainFrame& frame, CZodARApp& app);

} // namespace tarvo::app
