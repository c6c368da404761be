#include "app/document_commands.h"

#include "app/app_texts.h"
#include "app/application.h"
#include "document/doc.h"
#include "io/atomic_file.h"
#include "model/lang_table.h"
#include "platform/text.h"
#include "templates/template_messages.h"
#include "ui/child_frame.h"
#include "ui/core_message_texts.h"
#include "ui/tree/tree_icons.h"
#include "ui/tree/tree_view.h"
#include "ui/user_dialogs.h"
#include "ui/view.h"
#include "ui/workspace/editor_workspace.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMdiArea>
#include <QStatusBar>
#include <QStyle>

namespace tarvo::app {

namespace {

const QString kTvoSuffix = QStringLiteral("tvo");

// The wait cursor for the length of a command.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// A path of the file system's bytes as text, and back. A name that is not
// UTF-8 shows with replacement characters, but the bytes kept are the ones used.
QString shownPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string bytesOf(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString nativePath(const std::string& path)
{
    return QDir::toNativeSeparators(shownPath(path));
}

// What the recent-file list can hold: it keeps text, so a name that does not
// come back to the same bytes is not listed.
bool survivesAsText(const std::string& path)
{
    return bytesOf(shownPath(path)) == path;
}

// The load's notes, each line cut to a length a message box can show.
QString shownNotes(const QString& notes)
{
    constexpr qsizetype kMaxNoteLineChars = 400;
    QStringList lines = notes.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.size() > kMaxNoteLineChars)
            line = line.left(kMaxNoteLineChars) + QStringLiteral(" ...");
    return lines.join(QLatin1Char('\n'));
}

// The document layer's words, with the file they concern.
QString openFailureText(const document::DocResult& result)
{
    switch (result.status) {
    case document::DocStatus::NewerSchema:
    case document::DocStatus::OldFirmware:
    case document::DocStatus::TooManyDocuments:
        return ui::translatedCoreMessage(result.message);
    default:
        return texts::kCannotOpen.arg(nativePath(result.path), ui::translatedCoreMessage(result.message));
    }
}

QString tooManyDocumentsText()
{
    return ui::translatedCoreMessage(templates::msg::message(templates::msg::kTooManyDocuments));
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

} // namespace

DocumentCommands::DocumentCommands(CZodARApp& app, ui::EditorWorkspace& workspace, QMdiArea& area,
                                   QStatusBar& statusBar)
    : QObject(&workspace), m_app(app), m_workspace(workspace), m_mdi(area), m_statusBar(statusBar)
{
    makeActions();
    connect(&m_workspace, &ui::EditorWorkspace::commandStatesChanged, this,
            &DocumentCommands::updateEnablers);
    m_recentSeparator = new QAction(this);
    m_recentSeparator->setSeparator(true);
    for (std::size_t i = 0; i < m_recentActions.size(); ++i) {
        m_recentActions[i] = new QAction(this);
        m_recentActions[i]->setStatusTip(texts::kOpenThisDocument);
        connect(m_recentActions[i], &QAction::triggered, this,
                [this, i] { openRecentFile(static_cast<int>(i)); });
    }
    updateRecentFileMenu();
}

void DocumentCommands::makeActions()
{
    const auto make = [this](const QString& text, const QString& statusTip, const QKeySequence& key = {}) {
        auto* action = new QAction(text, this);
        action->setStatusTip(statusTip);
        if (!key.isEmpty())
            action->setShortcut(key);
        return action;
    };
    const QStyle* style = window()->style();
    m_new = make(texts::kNew, texts::kCreateANewDocument, QKeySequence::New);
    m_new->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    m_open = make(texts::kOpen, texts::kOpenAnExistingDocument, QKeySequence::Open);
    m_open->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    m_close = make(texts::kClose, texts::kCloseTheActiveDocument);
    m_save = make(texts::kSave, texts::kSaveTheActiveDocument, QKeySequence(Qt::CTRL | Qt::Key_S));
    m_save->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    m_saveAs = make(texts::kSaveAs, texts::kSaveTheActiveDocumentWith);
    m_properties = make(texts::kProperties, texts::kShowTheSchemaAndFirmware);
    m_moveUp = make(texts::kMoveTableUp, texts::kMoveUpStatus);
    m_moveDown = make(texts::kMoveTableDown, texts::kMoveDownStatus);

    connect(m_new, &QAction::triggered, this, &DocumentCommands::newDocument);
    connect(m_open, &QAction::triggered, this, &DocumentCommands::openDocument);
    connect(m_close, &QAction::triggered, this, [this] {
        if (ui::CS1_ChildFrame* frame = m_workspace.activeFrame())
            frame->close();
    });
    connect(m_save, &QAction::triggered, this, [this] {
        if (ui::CS1_ChildFrame* frame = m_workspace.activeFrame())
            saveDocument(*frame);
    });
    connect(m_saveAs, &QAction::triggered, this, [this] {
        if (ui::CS1_ChildFrame* frame = m_workspace.activeFrame())
            saveDocumentAs(*frame);
    });
    connect(m_properties, &QAction::triggered, this, &DocumentCommands::showProperties);
    connect(m_moveUp, &QAction::triggered, this, [this] { moveSelectedTable(-1); });
    connect(m_moveDown, &QAction::triggered, this, [this] { moveSelectedTable(+1); });
}

void DocumentCommands::updateEnablers()
{
    const bool hasDocument = m_workspace.activeFrame() != nullptr;
    m_close->setEnabled(hasDocument);
    m_save->setEnabled(hasDocument);
    m_saveAs->setEnabled(hasDocument);
    m_moveUp->setEnabled(canMoveTable(-1));
    m_moveDown->setEnabled(canMoveTable(+1));
}

QWidget* DocumentCommands::window() const
{
    return m_workspace.window();
}

ui::CS1_ChildFrame* DocumentCommands::addDocumentWindow(std::unique_ptr<document::CS1_Doc> doc)
{
    const int number = doc->documentNumber();
    m_app.selections().reset(number);
    ui::FormContext context{nullptr, &m_app.selections().at(number), &m_app.fonts()};
    auto* frame = new ui::CS1_ChildFrame(std::move(doc), context, m_app.forms());
    frame->setWindowIcon(ui::treeIcons().at(ui::kIconTable));
    Q_EMIT m_workspace.documentChanged(frame, ui::DocumentChange::Tables);
    frame->setCloseGuard([this](ui::CS1_ChildFrame& closing) { return saveModified(closing); });
    connect(frame, &ui::CS1_ChildFrame::stateChanged, this, &DocumentCommands::statesChanged);
    connect(frame, &QObject::destroyed, this, [this] {
        if (m_closing)
            return;
        // The next menu state: the diagnostic menu and the enablers follow it.
        Q_EMIT statesChanged();
    });
    m_mdi.addSubWindow(frame);
    frame->showMaximized();
    m_mdi.setActiveSubWindow(frame);
    return frame;
}

void DocumentCommands::adoptDocument(std::unique_ptr<document::CS1_Doc> doc)
{
    if (!doc)
        return;
    addDocumentWindow(std::move(doc));
    Q_EMIT statesChanged();
}

void DocumentCommands::newDocument()
{
    WaitCursor wait;
    if (m_app.documentNumbers().full()) {
        m_app.clearImportMode();
        ui::UserDialogs::message(window(), texts::kAppName, tooManyDocumentsText());
        return;
    }
    templates::TemplateCatalogue& catalogue = m_app.catalogue();
    const bool found = catalogue.RefreshTemplateCatalogue();
    for (const templates::TemplateError& error : catalogue.CheckErrors())
        ui::UserDialogs::message(window(), texts::kAppName, ui::translatedCoreMessage(error.message));
    if (!found) {
        m_app.clearImportMode();
        ui::UserDialogs::message(
            window(), texts::kAppName,
            ui::translatedCoreMessage(templates::msg::message(templates::msg::kNoValidTemplates)));
        return;
    }
    document::DocOutcome outcome = document::createNewDocument(
        m_app.documentNumbers(),
        [&catalogue](int number) { return catalogue.CreateTablesFromTemplate(number); }, m_app.importCodes(),
        m_app.defaultComPort());
    if (!outcome.doc) {
        // Whatever stopped the creation, the next New is a plain one.
        m_app.clearImportMode();
        ui::UserDialogs::message(window(), texts::kAppName,
                                 ui::translatedCoreMessage(outcome.result.message));
        return;
    }
    outcome.doc->setTitle(m_app.nextUntitledTitle().toStdU16String());
    addDocumentWindow(std::move(outcome.doc));
    Q_EMIT statesChanged();
}

void DocumentCommands::openDocument()
{
    if (m_app.documentNumbers().full()) {
        ui::UserDialogs::message(window(), texts::kAppName, tooManyDocumentsText());
        return;
    }
    const QString path = ui::UserDialogs::openFileName(window(), texts::kOpenCaption,
                                                       m_app.lastBrowseFolder(), texts::kOpenFilter);
    if (path.isEmpty())
        return;
    openDocumentFile(path);
    m_app.setLastBrowseFolder(folderOf(path));
    Q_EMIT statesChanged();
}

bool DocumentCommands::openDocumentFile(const QString& path)
{
    return openDocumentFile(bytesOf(path));
}

bool DocumentCommands::openDocumentFile(const std::string& path)
{
    for (ui::CS1_ChildFrame* frame : ui::childFrames(m_mdi)) {
        const document::CS1_Doc& doc = frame->document();
        if (doc.hasPath() && io::sameFile(doc.path(), path)) {
            m_mdi.setActiveSubWindow(frame);
            return true;
        }
    }
    WaitCursor wait;
    document::DocOutcome outcome =
        document::openDocument(m_app.documentNumbers(), path, m_app.defaultComPort());
    if (!outcome.doc) {
        ui::UserDialogs::message(window(), texts::kAppName, openFailureText(outcome.result));
        return false;
    }
    const messages::Message corrections = outcome.doc->settingsCorrections();
    const messages::Message notes = outcome.doc->loadNotes();
    addDocumentWindow(std::move(outcome.doc));
    if (survivesAsText(path))
        addRecentFile(shownPath(path));
    Q_EMIT statesChanged();
    if (!corrections.empty())
        ui::UserDialogs::message(
            window(), texts::kAppName,
            texts::kSettingsCorrected.arg(nativePath(path), ui::translatedCoreMessage(corrections)),
            ui::UserDialogs::Icon::Information);
    // What the open left out is lost for good with the next save: say so now.
    if (!notes.empty())
        ui::UserDialogs::message(
            window(), texts::kAppName,
            texts::kRecordsLeftOut.arg(nativePath(path), shownNotes(ui::translatedCoreMessage(notes))),
            ui::UserDialogs::Icon::Exclamation);
    return true;
}

bool DocumentCommands::saveDocument(ui::CS1_ChildFrame& frame)
{
    if (!frame.view()->commitForm())
        return false;
    document::CS1_Doc& doc = frame.document();
    const std::string lastFolder = bytesOf(m_app.lastBrowseFolder());
    const std::string scriptsFolder = bytesOf(CZodARApp::defaultScriptsFolder());
    document::CS1_Doc::SaveOutcome outcome;
    {
        WaitCursor wait;
        outcome = doc.save(lastFolder, scriptsFolder);
    }
    if (outcome.needsConfirmation) {
        const auto answer = ui::UserDialogs::ask(window(), texts::kSaveAsCaption,
                                                 texts::kReplaceFile.arg(nativePath(outcome.target.path)),
                                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return saveDocumentAs(frame);
        WaitCursor wait;
        outcome = doc.save(lastFolder, scriptsFolder, true);
    }
    if (outcome.result.ok()) {
        if (!outcome.lastBrowseFolder.empty())
            m_app.setLastBrowseFolder(shownPath(outcome.lastBrowseFolder));
        if (survivesAsText(doc.path()))
            addRecentFile(shownPath(doc.path()));
        frame.updateTitle();
        Q_EMIT statesChanged();
        m_statusBar.showMessage(texts::kSavedTo.arg(nativePath(doc.path())));
        return true;
    }
    frame.updateTitle();
    const QString where = nativePath(outcome.result.path.empty() ? outcome.target.path : outcome.result.path);
    ui::UserDialogs::message(
        window(), texts::kAppName,
        texts::kCannotSave.arg(where, ui::translatedCoreMessage(outcome.result.message)));
    // A file that cannot be written is saved under another name instead,
    // starting beside the file the user was saving.
    if (outcome.offerSaveAs || outcome.result.status == document::DocStatus::WriteFailed)
        return saveDocumentAs(frame, doc.hasPath() ? folderOf(shownPath(doc.path())) : QString());
    return false;
}

bool DocumentCommands::saveDocumentAs(ui::CS1_ChildFrame& frame, const QString& startFolder)
{
    if (!frame.view()->commitForm())
        return false;
    QString path = ui::UserDialogs::saveFileName(
        window(), texts::kSaveAsCaption, startFolder.isEmpty() ? m_app.lastBrowseFolder() : startFolder,
        texts::kOpenFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + kTvoSuffix;
    m_app.setLastBrowseFolder(folderOf(path));
    document::DocResult result;
    {
        WaitCursor wait;
        result = frame.document().saveAs(bytesOf(path));
    }
    frame.updateTitle();
    if (!result.ok()) {
        ui::UserDialogs::message(window(), texts::kAppName,
                                 texts::kCannotSave.arg(QDir::toNativeSeparators(path),
                                                        ui::translatedCoreMessage(result.message)));
        return false;
    }
    addRecentFile(path);
    Q_EMIT statesChanged();
    m_statusBar.showMessage(texts::kSavedTo.arg(QDir::toNativeSeparators(path)));
    return true;
}

bool DocumentCommands::saveModified(ui::CS1_ChildFrame& frame)
{
    if (!frame.document().isModified())
        return true;
    m_mdi.setActiveSubWindow(&frame);
    const auto answer = ui::UserDialogs::ask(
        window(), texts::kAppName, texts::kAskToSave.arg(platform::toQString(frame.document().title())),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return saveDocument(frame);
    return answer == QMessageBox::No;
}

void DocumentCommands::showProperties()
{
    const document::CS1_Doc* doc = m_workspace.activeDocument();
    if (doc == nullptr)
        return;
    QStringList lines{texts::kDocumentSchemaLine.arg(doc->schema())};
    // A document without tables has no table lines to show.
    if (doc->tableCount() > 0) {
        model::TableHeader header;
        model::TableMetadata metadata;
        doc->table(0).GetHeader(header, metadata);
        lines << texts::kTableSchemaLine.arg(header.schema)
              << texts::kFirmwareLine.arg(metadata.firmwareMajor)
                     .arg(metadata.firmwareMinor, 2, 10, QLatin1Char('0'));
    }
    ui::UserDialogs::message(window(), texts::kPropertiesCaption, lines.join(QLatin1Char('\n')),
                             ui::UserDialogs::Icon::Information);
}

bool DocumentCommands::canMoveTable(int direction) const
{
    const document::CS1_Doc* doc = m_workspace.activeDocument();
    if (doc == nullptr)
        return false;
    const ui::SelectionRecord& selected = m_app.selections().at(doc->documentNumber());
    const int tables = static_cast<int>(doc->tableCount());
    if (selected.kind != ui::kNodeTable)
        return false;
    // The first table never moves and nothing moves above it.
    return direction < 0 ? selected.tableIndex > 1 && selected.tableIndex < tables
                         : selected.tableIndex > 0 && selected.tableIndex < tables - 1;
}

void DocumentCommands::moveSelectedTable(int direction)
{
    const bool up = direction < 0;
    if (!canMoveTable(direction))
        return;
    ui::CS1_ChildFrame* frame = m_workspace.activeFrame();
    document::CS1_Doc& doc = frame->document();
    ui::CS1_TreeView* tree = frame->view()->tree();
    const int selected = m_app.selections().at(doc.documentNumber()).tableIndex;
    // The pair that exchanges places: (first, first + 1).
    const int first = up ? selected - 1 : selected;
    const int moved = up ? selected - 1 : selected + 1;

    tree->SetSelectionHandling(false, false);
    tree->CollapseAllTables();
    const bool done = up ? doc.moveTableUp(static_cast<std::size_t>(selected))
                         : doc.moveTableDown(static_cast<std::size_t>(selected));
    if (done) {
        tree->RemoveTableSubtree(first);
        tree->RemoveTableSubtree(first + 1);
        QTreeWidgetItem* before =
            first == 0 ? nullptr : tree->GetTreeItem(ui::packNodeKey(ui::kNodeTable, first - 1, 0));
        QTreeWidgetItem* firstItem =
            tree->InsertTableSubtree(first, doc.table(static_cast<std::size_t>(first)), before);
        tree->InsertTableSubtree(first + 1, doc.table(static_cast<std::size_t>(first + 1)), firstItem);
        tree->RelabelTables(first);
    }
    tree->SetSelectionHandling(true, true);
    tree->setCurrentItem(tree->GetTreeItem(ui::packNodeKey(ui::kNodeTable, done ? moved : selected, 0)));
    frame->updateTitle();
    Q_EMIT statesChanged();
}

void DocumentCommands::updateRecentFileMenu()
{
    const QStringList files = m_app.settings().recentFiles();
    for (std::size_t i = 0; i < m_recentActions.size(); ++i) {
        QAction* item = m_recentActions[i];
        const bool used = static_cast<qsizetype>(i) < files.size();
        item->setVisible(used);
        if (used)
            item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                QDir::toNativeSeparators(files.at(static_cast<qsizetype>(i)))));
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}

void DocumentCommands::addRecentFile(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList files = m_app.settings().recentFiles();
    files.removeAll(full);
    files.prepend(full);
    m_app.settings().setRecentFiles(files.mid(0, static_cast<qsizetype>(m_recentActions.size())));
    m_app.flushSettings();
    updateRecentFileMenu();
}

void DocumentCommands::removeRecentFile(const QString& path)
{
    QStringList files = m_app.settings().recentFiles();
    files.removeAll(path);
    m_app.settings().setRecentFiles(files);
    m_app.flushSettings();
    updateRecentFileMenu();
}

void DocumentCommands::openRecentFile(int index)
{
    const QStringList files = m_app.settings().recentFiles();
    if (index < 0 || index >= files.size())
        return;
    const QString path = files.at(index);
    if (!QFileInfo(path).isFile()) {
        ui::UserDialogs::message(window(), texts::kAppName,
                                 texts::kRecentFileGone.arg(QDir::toNativeSeparators(path)));
        removeRecentFile(path);
        return;
    }
    openDocumentFile(path);
}

} // namespace tarvo::app
