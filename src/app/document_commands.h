#pragma once
// The document commands of the main window: New, Open, an import's document
// shown in a window, Save, Save As, the save prompt of Close, Properties, the
// recent files and the table moves. They make and enable their actions, add
// and find document windows in the main window's MDI area; the main window
// places the actions.

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <string>

class QAction;
class QMdiArea;
class QStatusBar;

namespace tarvo::document {
class CS1_Doc;
}
namespace tarvo::ui {
class CS1_ChildFrame;
class EditorWorkspace;
} // namespace tarvo::ui

namespace tarvo::app {

class CZodARApp;

class DocumentCommands final : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kRecentFileCount = 4;

    DocumentCommands(CZodARApp& app, ui::EditorWorkspace& workspace, QMdiArea& area, QStatusBar& statusBar);

    QAction* newAction() const { return m_new; }
    QAction* openAction() const { return m_open; }
    QAction* closeAction() const { return m_close; }
    QAction* saveAction() const { return m_save; }
    QAction* saveAsAction() const { return m_saveAs; }
    QAction* propertiesAction() const { return m_properties; }
    QAction* moveTableUpAction() const { return m_moveUp; }
    QAction* moveTableDownAction() const { return m_moveDown; }

    // The File menu's recent files, shown while there are some.
    const std::array<QAction*, kRecentFileCount>& recentActions() const { return m_recentActions; }
    QAction* recentSeparator() const { return m_recentSeparator; }

    void newDocument();
    // Shows a document made elsewhere (an import) in a window of its own.
    void adoptDocument(std::unique_ptr<document::CS1_Doc> doc);
    void openDocument();
    // Opens path, or brings its window forward when it is open already.
    bool openDocumentFile(const QString& path);
    // path as the file system's bytes, which need not be UTF-8.
    bool openDocumentFile(const std::string& path);
    bool saveDocument(ui::CS1_ChildFrame& frame);
    // The dialog opens in startFolder, or in the last browse folder when empty.
    bool saveDocumentAs(ui::CS1_ChildFrame& frame, const QString& startFolder = {});
    // The save prompt of one document; false when the user cancels or a save fails.
    bool saveModified(ui::CS1_ChildFrame& frame);
    void showProperties();
    void openRecentFile(int index);
    // Whether the selected table of the active document can move Up (-1) or Down (+1).
    bool canMoveTable(int direction) const;
    // Move Up (-1) or Down (+1) of the selected table of the active document.
    void moveSelectedTable(int direction);

    // While the window closes, the windows going away change no state.
    void setClosing() { m_closing = true; }

Q_SIGNALS:
    // A window came or went, or a save changed a title: the enablers follow.
    void statesChanged();

private:
    void makeActions();
    void updateEnablers();
    ui::CS1_ChildFrame* addDocumentWindow(std::unique_ptr<document::CS1_Doc> doc);
    void updateRecentFileMenu();
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);
    QWidget* window() const;

    CZodARApp& m_app;
    ui::EditorWorkspace& m_workspace;
    QMdiArea& m_mdi;
    QStatusBar& m_statusBar;
    QAction* m_new = nullptr;
    QAction* m_open = nullptr;
    QAction* m_close = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_properties = nullptr;
    QAction* m_moveUp = nullptr;
    QAction* m_moveDown = nullptr;
    QAction* m_recentSeparator = nullptr;
    std::array<QAction*, kRecentFileCount> m_recentActions{};
    bool m_closing = false;
};

} // namespace tarvo::app
