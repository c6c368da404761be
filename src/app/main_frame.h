#pragma once
// MainFrame: the main window, "Tarvo Script Application". An MDI area with
// one CS1_ChildFrame per open document, the menus, toolbar and status bar,
// and the commands that do not belong to one form.
//
// The menu bar has two states, as the user sees them: with no document it
// shows File (New, Open, recent files, Exit), View and Help; with a document
// it adds Close, Save, Save As, Properties, the Edit menu (table moves) and
// Window. In diagnostic mode "&Debug" comes last, once.
//
// The menus and the toolbar are laid out in one place (buildMenus,
// buildToolBar) from the actions the command classes make; those classes
// only make and enable their actions:
//   - commandStatesChanged() fires whenever the enablers are re-evaluated
//     (active document, selection, modified state), for their own actions;
//   - commitOpenForms() stores every open form's edits before a transfer;
//   - debugMenu() is the "&Debug" menu in diagnostic mode (else nullptr).

#include <QMainWindow>
#include <QSize>

#include <array>
#include <memory>
#include <string>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace tarvo::document {
class CS1_Doc;
}
namespace tarvo::ui {
class CS1_ChildFrame;
}

namespace tarvo::app {

class CZodARApp;
struct FeatureActions;

enum class Command {
    New,
    Open,
    Close,
    Save,
    SaveAs,
    Properties,
    Exit,
    MoveTableUp,
    MoveTableDown,
    ToolBar,
    StatusBar,
    Refresh,
    Cascade,
    Tile,
    ArrangeIcons,
    UserGuide,
    About,
    Language,
    Count
};

// The sizes the Debug menu's "&Maximized Resolution Sizes" offers.
inline constexpr std::array<QSize, 4> kResolutionSizes = {QSize(648, 460), QSize(808, 580), QSize(1032, 748),
                                                          QSize(1160, 844)};
inline constexpr QSize kDefaultWindowSize(1024, 720);

class MainFrame final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(CZodARApp& app);
    ~MainFrame() override;

    QToolBar* commandToolBar() const { return m_toolBar; }
    QMenu* debugMenu() const { return m_debugMenu; }
    bool commitOpenForms();
    QAction* action(Command command) const { return m_actions[static_cast<std::size_t>(command)]; }

    // --- Documents -----------------------------------------------------------------
    ui::CS1_ChildFrame* activeFrame() const;
    document::CS1_Doc* activeDocument() const;
    QList<ui::CS1_ChildFrame*> frames() const;
    QMdiArea* mdiArea() const { return m_mdi; }

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
    void showProperties();
    void openRecentFile(int index);
    // Move Up (-1) or Down (+1) of the selected table of the active document.
    void moveSelectedTable(int direction);
    void refreshActiveForm();

    // Re-evaluates every enabler and the menu state.
    void updateCommandStates();
    // Resizes the window and centres it on its screen (no negative position).
    void resizeCentred(const QSize& size);

Q_SIGNALS:
    void commandStatesChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QAction* makeAction(Command command, const QString& text, const QString& statusTip,
                        const QKeySequence& key = {});
    void buildActions();
    void buildMenus(const FeatureActions& features);
    void buildToolBar(const FeatureActions& features);
    QMenu* makeResolutionSizesMenu();
    void updateRecentFileMenu();
    void fillWindowMenu();
    void arrangeIcons();
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);
    ui::CS1_ChildFrame* addDocumentWindow(std::unique_ptr<document::CS1_Doc> doc);
    // The save prompt of one document; false when the user cancels or a save fails.
    bool saveModified(ui::CS1_ChildFrame& frame);
    void afterDocumentSet();
    void showAbout();
    void showUserGuide();

    CZodARApp& m_app;
    QMdiArea* m_mdi = nullptr;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_debugMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    std::array<QAction*, static_cast<std::size_t>(Command::Count)> m_actions{};
    std::array<QAction*, 4> m_recentActions{};
    // Shown only while a document is open.
    QList<QAction*> m_documentOnly;
    bool m_closing = false;
};

} // namespace tarvo::app
