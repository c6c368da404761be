#include "document/doc.h"

#include "document/doc_texts.h"
#include "document/save_policy.h"
#include "io/atomic_file.h"
#include "model/lang_table_layout.h"
#include "serial/comm_settings_tables.h"
#include "templates/template_messages.h"
#include "templates/utf_text.h"

#include <new>
#include <utility>

namespace tarvo::document {

namespace {

bool firmwareAccepted(int major, int minor)
{
    return major > kMinFirmwareMajor || (major == kMinFirmwareMajor && minor >= kMinFirmwareMinor);
}

bool isFullImage(std::span<const std::uint8_t> image)
{
    return image.size() == model::kImageBytes;
}

} // namespace

CS1_Doc::CS1_Doc(DocumentNumber number, int currentPort)
    : m_number(std::move(number)), m_comm(serial::CommSettings::forDocument(currentPort))
{
}

// --- Lifecycle -----------------------------------------------------------------------

DocResult CS1_Doc::newDocument(TableList tables, const SlotCodes* importCodes)
{
    m_knownFolder = false;
    m_tables = std::move(tables);
    if (importCodes != nullptr) {
        DocResult filtered = filterAndOrderForImport(m_tables, *importCodes);
        if (!filtered.ok())
            return filtered;
    }
    m_schema = kDocumentSchema;
    rebuildLinkIndex();
    m_modified = false;
    return DocResult::success();
}

DocResult CS1_Doc::openDocument(const std::string& path, const io::FileReader& reader)
{
    std::vector<std::uint8_t> bytes;
    const io::FileResult read = reader.readWhole(path, bytes);
    if (!read.ok)
        return DocResult::failure(DocStatus::Unreadable, read.reason, path);

    DocumentFileContents contents;
    DocResult result = readDocumentFile(bytes, contents);
    if (!result.ok()) {
        result.path = path;
        return result;
    }

    int major = 0;
    int minor = 0;
    if (!contents.tables.empty()) {
        model::TableHeader header;
        model::TableMetadata metadata;
        contents.tables.front()->GetHeader(header, metadata);
        major = metadata.firmwareMajor;
        minor = metadata.firmwareMinor;
        if (!firmwareAccepted(major, minor))
            return DocResult::failure(DocStatus::OldFirmware, texts::kOldFirmware, path);
    }

    std::vector<serial::SettingsCorrection> corrections;
    if (!serial::validateSettings(contents.comm, corrections))
        m_settingsCorrections = serial::describeCorrections(corrections);
    m_comm = contents.comm;
    m_tables = std::move(contents.tables);
    m_workingCopies.clear();
    m_serverPath = std::move(contents.serverPath);
    m_loadNotes = std::move(contents.loadNotes);
    m_firmwareMajor = major;
    m_firmwareMinor = minor;
    m_schema = kDocumentSchema;
    m_knownFolder = true;
    rebuildLinkIndex();
    takeFileName(path);
    m_modified = false;
    return DocResult::success();
}

std::vector<std::uint8_t> CS1_Doc::serialize() const
{
    return writeDocumentFile(m_comm, m_tables, m_serverPath);
}

DocResult CS1_Doc::saveToPath(const std::string& path, bool replacePath, io::Overwrite overwrite,
                              const io::FileCalls& calls)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = serialize();
    } catch (const std::bad_alloc&) {
        return DocResult::failure(DocStatus::WriteFailed, texts::kOutOfMemory, path);
    }
    const io::FileResult written = io::writeFileAtomically(path, bytes, overwrite, calls);
    if (!written.ok)
        return DocResult::failure(written.readOnly ? DocStatus::ReadOnly : DocStatus::WriteFailed,
                                  written.reason, path);
    if (replacePath)
        takeFileName(path);
    m_modified = false;
    return DocResult::success();
}

CS1_Doc::SaveOutcome CS1_Doc::save(const std::string& lastBrowseFolder,
                                   const std::string& defaultScriptsFolder, bool replaceConfirmed)
{
    SaveOutcome outcome;
    outcome.target =
        decideSaveTarget({hasPath(), m_path, m_title, m_knownFolder, lastBrowseFolder, defaultScriptsFolder});
    if (outcome.target.kind == SaveTargetKind::DocumentPath) {
        outcome.result = saveToPath(outcome.target.path, true);
        outcome.offerSaveAs = !outcome.result.ok();
        return outcome;
    }
    if (!replaceConfirmed && saveWouldReplaceAnotherFile(outcome.target)) {
        outcome.needsConfirmation = true;
        outcome.result = DocResult::failure(DocStatus::Refused, texts::kNameExists, outcome.target.path);
        return outcome;
    }
    std::string reason;
    if (!ensureFolderExists(outcome.target.folder, reason)) {
        outcome.result =
            DocResult::failure(DocStatus::WriteFailed,
                               messages::Message::data(templates::utf8ToUtf16(reason)), outcome.target.path);
        return outcome;
    }
    outcome.result = saveToPath(outcome.target.path, true);
    if (outcome.result.ok())
        outcome.lastBrowseFolder = outcome.target.folder;
    // A read-only file of that name is not replaced: the dialog is offered.
    outcome.offerSaveAs = outcome.result.status == DocStatus::ReadOnly;
    return outcome;
}

DocResult CS1_Doc::saveAs(const std::string& path)
{
    m_knownFolder = true;
    return saveToPath(path, true);
}

void CS1_Doc::takeFileName(const std::string& path)
{
    m_path = path;
    m_title = templates::utf8ToUtf16(fileNameOfPath(path));
}

// --- Table operations ------------------------------------------------------------------

void CS1_Doc::rebuildLinkIndex()
{
    m_linkIndex.clear();
    m_linkIndex.reserve(m_tables.size());
    for (const auto& table : m_tables)
        m_linkIndex.push_back(LinkIndexEntry::build(*table));
}

void CS1_Doc::rebuildLinkIndex(std::size_t k)
{
    if (m_linkIndex.size() != m_tables.size()) {
        rebuildLinkIndex();
        return;
    }
    m_linkIndex[k] = LinkIndexEntry::build(*m_tables[k]);
}

bool CS1_Doc::moveTableUp(std::size_t a)
{
    if (a < 1 || a >= m_tables.size())
        return false;
    std::swap(m_tables[a], m_tables[a - 1]);
    std::swap(m_linkIndex[a], m_linkIndex[a - 1]);
    m_modified = true;
    return true;
}

bool CS1_Doc::moveTableDown(std::size_t a)
{
    if (a + 1 >= m_tables.size())
        return false;
    std::swap(m_tables[a], m_tables[a + 1]);
    std::swap(m_linkIndex[a], m_linkIndex[a + 1]);
    m_modified = true;
    return true;
}

bool CS1_Doc::appendImportedTable(std::span<const std::uint8_t> image)
{
    if (!isFullImage(image))
        return false;
    std::unique_ptr<model::CS1_LangTable> table;
    if (!m_tables.empty()) {
        table = m_tables.front()->Clone();
    } else {
        table = std::make_unique<model::CS1_LangTable>();
        if (!table->Init())
            table.reset();
    }
    if (!table)
        return false;
    table->LoadImage(image);
    m_tables.push_back(std::move(table));
    m_linkIndex.push_back(LinkIndexEntry::build(*m_tables.back()));
    m_modified = true;
    return true;
}

bool CS1_Doc::replaceTableWithImage(std::size_t k, std::span<const std::uint8_t> image)
{
    if (k >= m_tables.size() || !isFullImage(image))
        return false;
    m_tables[k]->LoadImage(image);
    rebuildLinkIndex(k);
    return true;
}

bool CS1_Doc::replaceAndMergeFrom(std::size_t k, std::span<const std::uint8_t> image,
                                  const model::CS1_LangTable& before)
{
    namespace layout = model::layout;
    if (!replaceTableWithImage(k, image))
        return false;
    auto& table = *m_tables[k];
    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        for (int entry = layout::kFirstEntry; entry <= layout::kEntriesPerMenu; ++entry) {
            // Written back where it was read, whatever its info record says.
            model::MenuEntryInfo info;
            const model::MenuEntry content = before.MenuEntryAt(menu, entry, info);
            // A cleared entry is an edit too: it stays cleared.
            if (info.edited == 1)
                table.SetMenuEntry(content, info, false);
        }
    }
    rebuildLinkIndex(k);
    return true;
}

bool CS1_Doc::replaceAndMerge(std::size_t k, std::span<const std::uint8_t> image)
{
    if (k >= m_tables.size() || !isFullImage(image))
        return false;
    const auto before = m_tables[k]->Clone();
    if (!before)
        return false;
    return replaceAndMergeFrom(k, image, *before);
}

bool CS1_Doc::refreshWorkingCopies()
{
    TableList copies;
    copies.reserve(m_tables.size());
    for (const auto& table : m_tables) {
        auto copy = table->Clone();
        if (!copy)
            return false;
        copies.push_back(std::move(copy));
    }
    m_workingCopies = std::move(copies);
    return true;
}

bool CS1_Doc::applyImportBatch(const PositionList& positions, const ImportResults& results, bool merge)
{
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const int position = positions[i];
        if (position == kNoSlot)
            continue;
        const bool known = position == kNewTablePosition ||
                           (position >= 0 && static_cast<std::size_t>(position) < m_tables.size());
        if (!known || !isFullImage(results[i]))
            return false;
    }
    if (!refreshWorkingCopies())
        return false;
    bool ok = true;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const int position = positions[i];
        if (position == kNoSlot)
            continue;
        if (position == kNewTablePosition) {
            ok = appendImportedTable(results[i]) && ok;
            continue;
        }
        const auto k = static_cast<std::size_t>(position);
        ok = (merge ? replaceAndMergeFrom(k, results[i], *m_workingCopies[k])
                    : replaceTableWithImage(k, results[i])) &&
             ok;
    }
    return ok;
}

bool CS1_Doc::completeNewDocumentImport(const SlotCodes& importCodes, const ImportResults& results)
{
    if (!anySlotChosen(importCodes))
        return false;
    const std::optional<PositionList> positions = newDocumentImportPositions(importCodes, m_tables);
    if (!positions || !applyImportBatch(*positions, results, false))
        return false;
    // Template tables that no slot was read into are not the keyboard's.
    const auto imported = static_cast<std::size_t>(chosenSlotCount(importCodes));
    if (m_tables.size() > imported) {
        m_tables.resize(imported);
        if (m_workingCopies.size() > imported)
            m_workingCopies.resize(imported);
        rebuildLinkIndex();
    }
    m_importComplete = true;
    return true;
}

// --- Making documents ------------------------------------------------------------------------

DocOutcome createNewDocument(DocumentNumberPool& pool,
                             const std::function<templates::TemplateBuildResult(int documentNumber)>& build,
                             const SlotCodes* importCodes, int currentPort)
{
    auto number = pool.take();
    if (!number)
        return {nullptr, DocResult::failure(DocStatus::TooManyDocuments,
                                            templates::msg::message(templates::msg::kTooManyDocuments))};
    auto doc = std::make_unique<CS1_Doc>(std::move(*number), currentPort);
    templates::TemplateBuildResult built = build(doc->documentNumber());
    if (!built.ok) {
        DocResult failed = DocResult::failure(DocStatus::TemplateFailed, {});
        if (built.error) {
            // An error said only as text is shown as it stands.
            failed.message = built.error->message.empty() ? messages::Message::data(built.error->fullText)
                                                          : built.error->message;
            failed.path = built.error->path;
        }
        return {nullptr, failed};
    }
    DocResult result = doc->newDocument(std::move(built.tables), importCodes);
    if (!result.ok())
        return {nullptr, result};
    return {std::move(doc), result};
}

DocOutcome openDocument(DocumentNumberPool& pool, const std::string& path, int currentPort,
                        const io::FileReader& reader)
{
    auto number = pool.take();
    if (!number)
        return {nullptr,
                DocResult::failure(DocStatus::TooManyDocuments,
                                   templates::msg::message(templates::msg::kTooManyDocuments), path)};
    auto doc = std::make_unique<CS1_Doc>(std::move(*number), currentPort);
    DocResult result = doc->openDocument(path, reader);
    if (!result.ok())
        return {nullptr, result};
    return {std::move(doc), result};
}

std::u16string shownTableName(std::u16string_view friendlyName)
{
    const std::size_t first = friendlyName.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    return std::u16string(friendlyName.substr(first, friendlyName.find_last_not_of(u' ') - first + 1));
}

std::vector<std::u16string> tableNames(const CS1_Doc& doc)
{
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < doc.tableCount(); ++i) {
        model::TableHeader header;
        model::TableMetadata metadata;
        doc.table(i).GetHeader(header, metadata);
        names.push_back(shownTableName(header.friendlyName));
    }
    return names;
}

} // namespace tarvo::document
