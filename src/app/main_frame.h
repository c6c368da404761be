#pragma once
// MainFrame: the main window, "Tarvo Script Application". An MDI area with
// one CS1_ChildFrame per open document, the menus, toolbar and status bar,
// and the window's own commands (Exit, the bars, Refresh, the Window menu).
//
// The menu bar has two states, as the user sees them: with no document it
// shows File (New, Open, recent files, Exit), View and Help; with a document
// it adds Close, Save, Save As, Properties, the Edit menu (table moves) and
// Window. In diagnostic mode "&Debug" comes last, once.
//
// The menus and the toolbar are laid out in one place (buildMenus,
// buildToolBar) from the actions the command classes make; those classes
// only make and enable their actions. They work on the window's workspace
// (ui::EditorWorkspace): its commandStatesChanged fires whenever the
// enablers are re-evaluated (active document, selection, modified state),
// and the window answers its documentChanged (title, tree, enablers).
// debugMenu() is the "&Debug" menu in diagnostic mode (else nullptr).

#include "app/document_commands.h"

#include <QMainWindow>
#include <QSize>

#include <array>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace tarvo::document {
class CS1_Doc;
}
namespace tarvo::ui {
class CS1_ChildFrame;
class EditorWorkspace;
enum class DocumentChange;
} // namespace tarvo::ui

namespace tarvo::app {

class ApplicationCommands;
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

    DocumentCommands& documents() { return *m_documents; }
    ui::EditorWorkspace& workspace() { return *m_workspace; }
    void refreshActiveForm();

    // Re-evaluates every enabler and the menu state.
    void updateCommandStates();
    // Resizes the window and centres it on its screen (no negative position).
    void resizeCentred(const QSize& size);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QAction* makeAction(Command command, const QString& text, const QString& statusTip,
                        const QKeySequence& key = {});
    void buildActions(const ApplicationCommands& application);
    void buildMenus(const FeatureActions& features);
    void buildToolBar(const FeatureActions& features);
    QMenu* makeResolutionSizesMenu();
    void fillWindowMenu();
    void arrangeIcons();
    // A command changed frame's document.
    void showDocumentChange(ui::CS1_ChildFrame* frame, ui::DocumentChange change);

    CZodARApp& m_app;
    QMdiArea* m_mdi = nullptr;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_debugMenu = nullptr;
    ui::EditorWorkspace* m_workspace = nullptr;
    DocumentCommands* m_documents = nullptr;
    std::array<QAction*, static_cast<std::size_t>(Command::Count)> m_actions{};
    // Shown only while a document is open.
    QList<QAction*> m_documentOnly;
    bool m_closing = false;
};

} // namespace tarvo::app
