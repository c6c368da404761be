#include "app/main_frame.h"

#include "app/app_texts.h"
#include "app/application.h"
#include "app/application_commands.h"
#include "app/document_commands.h"
#include "app/error_report.h"
#include "app/history_commands.h"
#include "app/main_frame_characters.h"
#include "diagnostics/diagnostic_commands.h"
#include "diagnostics/diagnostic_texts.h"
#include "document/doc.h"
#include "server/server_commands.h"
#include "ui/child_frame.h"
#include "ui/com_port/com_port_commands.h"
#include "ui/fleet/fleet_commands.h"
#include "ui/transfer/transfer_commands.h"
#include "ui/tree/tree_icons.h"
#include "ui/tree/tree_view.h"
#include "ui/user_dialogs.h"
#include "ui/view.h"
#include "ui/widgets/screen_fit.h"
#include "ui/workspace/editor_workspace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace tarvo::app {

namespace {
constexpr int kStatusMessageMs = 0; // status tips stay until the next one

// The workspace the command classes work on: the window's documents and
// the application's port, catalogue and folders.
class FrameWorkspace final : public ui::EditorWorkspace {
public:
    FrameWorkspace(MainFrame& frame, CZodARApp& app) : ui::EditorWorkspace(&frame), m_frame(frame), m_app(app)
    {
    }

    QWidget* window() const override { return &m_frame; }
    QString caption() const override { return texts::kAppName; }
    bool diagnosticMode() const override { return m_app.debugMode(); }
    ui::CS1_ChildFrame* activeFrame() const override { return m_frame.activeFrame(); }
    bool commitOpenForms() override { return m_frame.commitOpenForms(); }
    document::DocumentNumberPool& documentNumbers() override { return m_app.documentNumbers(); }
    void newDocument() override { m_frame.documents().newDocument(); }
    void adoptDocument(std::unique_ptr<document::CS1_Doc> doc) override
    {
        m_frame.documents().adoptDocument(std::move(doc));
    }
    bool openDocumentFile(const QString& path) override { return m_frame.documents().openDocumentFile(path); }
    QString nextUntitledTitle() override { return m_app.nextUntitledTitle(); }
    serial::CCommPort& commPort() override { return m_app.commPort(); }
    templates::TemplateCatalogue& catalogue() override { return m_app.catalogue(); }
    QString scriptsFolder() const override { return CZodARApp::defaultScriptsFolder(); }
    int defaultComPort() const override { return m_app.defaultComPort(); }
    void setDefaultComPort(int portIndex) override { m_app.setDefaultComPort(portIndex); }
    std::uint32_t localeIdentifier() const override { return m_app.locale().identifier; }

private:
    MainFrame& m_frame;
    CZodARApp& m_app;
};

server::ServerSetup serverSetup(CZodARApp& app)
{
    server::ServerSetup setup;
    setup.fixedFont = app.fonts().fixed;
    setup.serverInstalled = app.serverInstalled();
    setup.sessionBus = app.sessionBusAvailable();
    setup.serverProgram = app.settings().serverProgram();
    setup.configurationFolder = app.settings().serverConfigurationFolder();
    return setup;
}

void showLastErrorReport(int code)
{
    showErrorReport(code, diagnostics::texts::kLastErrorSource, diagnostics::texts::kLastErrorLine);
}

// A menu's items in order: an action, or a separator (kSeparator). An
// action that is null (a diagnostic tool outside diagnostic mode) is left out.
enum class Shown { Always, WithDocument };
struct MenuItem {
    QAction* action = nullptr;
    Shown shown = Shown::Always;
    bool separator = false;
};
struct MenuSpec {
    QString title;
    QList<MenuItem> items;
    Shown shown = Shown::Always;
    QMenu** keep = nullptr; // where the window keeps the menu, when it refers to it
};
const MenuItem kSeparator{nullptr, Shown::Always, true};

QAction* separatorAction(QObject* owner)
{
    auto* separator = new QAction(owner);
    separator->setSeparator(true);
    return separator;
}
} // namespace

// What the command classes made, for the window to place.
struct FeatureActions {
    ui::ComPortCommands* comPort = nullptr;
    ui::TransferCommands* transfer = nullptr;
    ui::FleetCommands* fleet = nullptr;
    HistoryCommands* history = nullptr;
    server::ServerCommands* server = nullptr;
    diagnostics::DiagnosticActions diagnostics;
    QAction* charactersUsed = nullptr;
};

MainFrame::MainFrame(CZodARApp& app) : m_app(app)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(texts::kAppName);
    // The application's icon: every window and the About box show it.
    QApplication::setWindowIcon(ui::treeIcons().at(ui::kIconRoot));
    m_mdi = new QMdiArea(this);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    m_workspace = new FrameWorkspace(*this, m_app);
    m_documents = new DocumentCommands(m_app, *m_workspace, *m_mdi, *statusBar());
    connect(m_documents, &DocumentCommands::statesChanged, this, &MainFrame::updateCommandStates);
    connect(m_workspace, &ui::EditorWorkspace::documentChanged, this, &MainFrame::showDocumentChange);
    buildActions(*new ApplicationCommands(*this));
    FeatureActions features;
    features.comPort = new ui::ComPortCommands(*m_workspace);
    features.transfer = new ui::TransferCommands(*m_workspace);
    features.fleet = new ui::FleetCommands(*m_workspace);
    features.history = new HistoryCommands(*m_workspace);
    features.server = new server::ServerCommands(*m_workspace, serverSetup(m_app));
    features.diagnostics = diagnostics::makeDiagnosticCommands(*m_workspace, showLastErrorReport);
    features.charactersUsed = makeCharactersDisplayCommand(*this, m_app);
    buildMenus(features);
    buildToolBar(features);
    statusBar()->showMessage(texts::kReady, kStatusMessageMs);
    // Between status tips the bar says it is ready.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty())
            statusBar()->showMessage(texts::kReady, kStatusMessageMs);
    });
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { updateCommandStates(); });
    // Never larger than the screen (a small screen, or a large scale factor).
    const QScreen* shownOn = screen();
    resize(shownOn != nullptr ? kDefaultWindowSize.boundedTo(shownOn->availableSize()) : kDefaultWindowSize);
    ui::keepOnScreen(*this);
    updateCommandStates();
}

MainFrame::~MainFrame()
{
    m_closing = true;
    m_documents->setClosing();
    // Documents go before the application state they hold numbers of.
    for (ui::CS1_ChildFrame* frame : frames())
        delete frame;
}

QAction* MainFrame::makeAction(Command command, const QString& text, const QString& statusTip,
                               const QKeySequence& key)
{
    auto* action = new QAction(text, this);
    action->setStatusTip(statusTip);
    if (!key.isEmpty())
        action->setShortcut(key);
    m_actions[static_cast<std::size_t>(command)] = action;
    return action;
}

// The window's own commands; the others come from the command classes, and
// action() finds each by its Command for placing.
void MainFrame::buildActions(const ApplicationCommands& application)
{
    const DocumentCommands& documents = *m_documents;
    const std::pair<Command, QAction*> placed[] = {
        {Command::New, documents.newAction()},
        {Command::Open, documents.openAction()},
        {Command::Close, documents.closeAction()},
        {Command::Save, documents.saveAction()},
        {Command::SaveAs, documents.saveAsAction()},
        {Command::Properties, documents.propertiesAction()},
        {Command::MoveTableUp, documents.moveTableUpAction()},
        {Command::MoveTableDown, documents.moveTableDownAction()},
        {Command::UserGuide, application.userGuideAction()},
        {Command::About, application.aboutAction()},
        {Command::Language, application.languageAction()},
    };
    for (const auto& [command, made] : placed)
        m_actions[static_cast<std::size_t>(command)] = made;

    makeAction(Command::Exit, texts::kExit, texts::kQuitTheApplicationPromptsTo);
    makeAction(Command::ToolBar, texts::kToolbar, texts::kShowOrHideTheToolbar)->setCheckable(true);
    makeAction(Command::StatusBar, texts::kStatusBar, texts::kShowOrHideTheStatus)->setCheckable(true);
    makeAction(Command::Refresh, texts::kRefresh, texts::kRedrawTheFormOfThe, QKeySequence(Qt::Key_F5));
    makeAction(Command::Cascade, texts::kCascade, texts::kArrangeWindowsSoTheyOverlap);
    makeAction(Command::Tile, texts::kTile, texts::kArrangeWindowsAsNonOverlapping);
    makeAction(Command::ArrangeIcons, texts::kArrangeIcons, texts::kArrangeIconsAtTheBottom);

    connect(action(Command::Exit), &QAction::triggered, this, &QWidget::close);
    connect(action(Command::Refresh), &QAction::triggered, this, &MainFrame::refreshActiveForm);
    connect(action(Command::Cascade), &QAction::triggered, m_mdi, &QMdiArea::cascadeSubWindows);
    connect(action(Command::Tile), &QAction::triggered, m_mdi, &QMdiArea::tileSubWindows);
    connect(action(Command::ArrangeIcons), &QAction::triggered, this, &MainFrame::arrangeIcons);
}

QMenu* MainFrame::makeResolutionSizesMenu()
{
    auto* sizes = new QMenu(texts::kMaximizedResolutionSizes, this);
    for (const QSize& size : kResolutionSizes) {
        QAction* item = sizes->addAction(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()));
        connect(item, &QAction::triggered, this, [this, size] { resizeCentred(size); });
    }
    return sizes;
}

// The menu bar, in order. The Window menu fills itself when it opens; the
// Debug menu is there in diagnostic mode only.
void MainFrame::buildMenus(const FeatureActions& features)
{
    const diagnostics::DiagnosticActions& tools = features.diagnostics;
    const ui::TransferCommands& transfer = *features.transfer;
    QList<MenuItem> file = {{action(Command::New)},
                            {action(Command::Open)},
                            {transfer.importAction()},
                            {action(Command::Close), Shown::WithDocument},
                            kSeparator,
                            {action(Command::Save), Shown::WithDocument},
                            {action(Command::SaveAs), Shown::WithDocument},
                            {separatorAction(this), Shown::WithDocument},
                            {action(Command::Properties), Shown::WithDocument},
                            {features.history->printAction(), Shown::WithDocument},
                            {features.history->exportPdfAction(), Shown::WithDocument},
                            {m_documents->recentSeparator()}};
    for (QAction* recent : m_documents->recentActions())
        file << MenuItem{recent};
    file << kSeparator << MenuItem{action(Command::Exit)};

    QList<MenuSpec> menus = {
        {texts::kFile, file},
        {texts::kEdit,
         {{action(Command::MoveTableUp)}, {action(Command::MoveTableDown)}},
         Shown::WithDocument},
        {texts::kView,
         {{action(Command::ToolBar)},
          {action(Command::StatusBar)},
          kSeparator,
          {action(Command::Refresh)},
          {features.charactersUsed, Shown::WithDocument},
          {features.history->historyAction()},
          kSeparator,
          {tools.systemLocale},
          {action(Command::Language)}}},
        {texts::kTransfer,
         {{transfer.queryAction()},
          {transfer.downloadAction()},
          {transfer.compareAction()},
          {features.fleet->downloadAction(), Shown::WithDocument},
          {features.fleet->queryAction(), Shown::WithDocument},
          {transfer.restoreAction()},
          {features.comPort->configureAction()},
          kSeparator,
          {features.server->associationAction()},
          {features.server->launchAction()}}},
        {texts::kWindow, {}, Shown::WithDocument, &m_windowMenu},
        {texts::kHelp, {{action(Command::UserGuide)}, kSeparator, {action(Command::About)}}},
    };
    if (m_app.debugMode())
        menus << MenuSpec{texts::kDebug,
                          {{features.comPort->settingsAction()},
                           {tools.console},
                           {tools.templateList},
                           {tools.dump},
                           {tools.lastError},
                           {makeResolutionSizesMenu()->menuAction()},
                           {tools.threadLocale},
                           {tools.parser},
                           {tools.unicodeInput},
                           {tools.iconicDump}},
                          Shown::Always,
                          &m_debugMenu};

    for (const MenuSpec& spec : menus) {
        QMenu* menu = menuBar()->addMenu(spec.title);
        if (spec.keep != nullptr)
            *spec.keep = menu;
        if (spec.shown == Shown::WithDocument)
            m_documentOnly << menu->menuAction();
        for (const MenuItem& item : spec.items) {
            if (item.separator) {
                menu->addSeparator();
                continue;
            }
            if (item.action == nullptr)
                continue;
            menu->addAction(item.action);
            // The accelerators work wherever the focus is (F5 in a form's edit).
            if (!item.action->shortcut().isEmpty())
                addAction(item.action);
            if (item.shown == Shown::WithDocument)
                m_documentOnly << item.action;
        }
    }
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainFrame::fillWindowMenu);
    fillWindowMenu();
}

void MainFrame::buildToolBar(const FeatureActions& features)
{
    m_toolBar = addToolBar(texts::kStandard);
    m_toolBar->setObjectName(QStringLiteral("StandardToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    QAction* const separator = nullptr;
    const QList<QAction*> buttons = {action(Command::New),
                                     action(Command::Open),
                                     features.transfer->importAction(),
                                     action(Command::Save),
                                     separator,
                                     features.transfer->queryAction(),
                                     features.transfer->downloadAction(),
                                     separator,
                                     features.comPort->configureAction(),
                                     separator,
                                     features.server->associationAction(),
                                     features.server->launchAction()};
    for (QAction* button : buttons) {
        if (button == separator)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(button);
    }
    action(Command::ToolBar)->setChecked(true);
    action(Command::StatusBar)->setChecked(true);
    connect(action(Command::ToolBar), &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(action(Command::StatusBar), &QAction::toggled, statusBar(), &QWidget::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, action(Command::ToolBar), &QAction::setChecked);
}

void MainFrame::fillWindowMenu()
{
    m_windowMenu->clear();
    m_windowMenu->addAction(action(Command::Cascade));
    m_windowMenu->addAction(action(Command::Tile));
    m_windowMenu->addAction(action(Command::ArrangeIcons));
    const QList<ui::CS1_ChildFrame*> open = frames();
    if (open.isEmpty())
        return;
    m_windowMenu->addSeparator();
    for (qsizetype i = 0; i < open.size(); ++i) {
        ui::CS1_ChildFrame* frame = open.at(i);
        QString title = frame->windowTitle();
        title.replace(QStringLiteral("[*]"), frame->isWindowModified() ? QStringLiteral("*") : QString());
        QAction* item = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        item->setCheckable(true);
        item->setChecked(frame == activeFrame());
        connect(item, &QAction::triggered, this, [this, frame] { m_mdi->setActiveSubWindow(frame); });
    }
}

void MainFrame::arrangeIcons()
{
    // Minimised windows line up along the bottom edge, left to right.
    int x = 0;
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, m_mdi->viewport()->height() - size.height());
        x += size.width();
    }
}

ui::CS1_ChildFrame* MainFrame::activeFrame() const
{
    // The current window stays the active document while a dialog has the
    // focus or the main window is minimised.
    return qobject_cast<ui::CS1_ChildFrame*>(m_mdi->currentSubWindow());
}

document::CS1_Doc* MainFrame::activeDocument() const
{
    ui::CS1_ChildFrame* frame = activeFrame();
    return frame != nullptr ? &frame->document() : nullptr;
}

QList<ui::CS1_ChildFrame*> MainFrame::frames() const
{
    return ui::childFrames(*m_mdi);
}

bool MainFrame::commitOpenForms()
{
    bool all = true;
    for (ui::CS1_ChildFrame* frame : frames()) {
        all = frame->view()->commitForm() && all;
        frame->updateTitle();
    }
    return all;
}

void MainFrame::updateCommandStates()
{
    if (m_closing)
        return;
    ui::CS1_ChildFrame* frame = activeFrame();
    const bool hasDocument = frame != nullptr;
    // A maximised document window's title is shown in this one's, whose own
    // mark must be the active document's (Qt keeps the mark of the window
    // that was maximised before, when another is closed).
    setWindowModified(hasDocument && frame->isWindowModified());
    for (QAction* a : m_documentOnly)
        a->setVisible(hasDocument);
    Q_EMIT m_workspace->commandStatesChanged();
}

void MainFrame::showDocumentChange(ui::CS1_ChildFrame* frame, ui::DocumentChange change)
{
    if (frame == nullptr)
        return;
    if (change == ui::DocumentChange::Tables)
        frame->view()->tree()->BuildTree(frame->document());
    if (change == ui::DocumentChange::TransferEnded)
        frame->view()->tree()->SelectRoot();
    frame->updateTitle();
    updateCommandStates();
}

void MainFrame::resizeCentred(const QSize& size)
{
    showNormal();
    resize(size);
    const QScreen* screen = this->screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(QPoint(0, 0), size);
    const QPoint centred = available.center() - QPoint(size.width() / 2, size.height() / 2);
    move(std::max(centred.x(), 0), std::max(centred.y(), 0));
}

void MainFrame::refreshActiveForm()
{
    if (ui::CS1_ChildFrame* frame = activeFrame())
        frame->view()->refreshForm();
}

void MainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        refreshActiveForm();
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    // Every form stores its edits first, so the prompts see them; a form
    // that cannot store an edit keeps the window open.
    if (!commitOpenForms()) {
        event->ignore();
        return;
    }
    for (ui::CS1_ChildFrame* frame : frames()) {
        if (!m_documents->saveModified(*frame)) {
            event->ignore();
            return;
        }
    }
    m_closing = true;
    m_documents->setClosing();
    for (ui::CS1_ChildFrame* frame : frames())
        frame->closeWithoutAsking();
    event->accept();
}

} // namespace tarvo::app
