#pragma once
// CS1_Doc: the document. Its ordered language tables (owned), the working
// copies taken before import results are applied, a link index entry per
// table, the serial settings, the server document path, the document number
// and the flags of its lifecycle. Made by createNewDocument or
// openDocument; a failed creation leaves no document behind.

#include "document/doc_result.h"
#include "document/document_file.h"
#include "document/document_number_pool.h"
#include "document/import_filter.h"
#include "document/link_index.h"
#include "document/save_policy.h"
#include "io/atomic_file.h"
#include "io/file_reader.h"
#include "serial/comm_settings.h"
#include "templates/template_catalogue.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::document {

// Images read from the keyboard, one per slot position (empty where none was read).
using ImportResults = std::array<std::vector<std::uint8_t>, kKeyboardSlots>;

// The firmware from which documents are accepted: 1.40.
inline constexpr int kMinFirmwareMajor = 1;
inline constexpr int kMinFirmwareMinor = 40;

class CS1_Doc {
public:
    // A constructed document: schema -1, the document defaults of the serial
    // settings on currentPort, no path, no tables.
    CS1_Doc(DocumentNumber number, int currentPort);
    CS1_Doc(const CS1_Doc&) = delete;
    CS1_Doc& operator=(const CS1_Doc&) = delete;

    // --- Lifecycle (used by the factories below and by tests) -------------------

    // The new-document steps once the template's tables are built: clear the
    // known-folder flag, take the tables, filter and order them in import mode
    // (importCodes given; a chosen language no table has is refused), schema
    // 3, link index, not modified.
    DocResult newDocument(TableList tables, const SlotCodes* importCodes);
    // Reads path: schema gate, firmware gate of the first table (a file without
    // tables opens empty), link index. On failure the document is unchanged.
    DocResult openDocument(const std::string& path, const io::FileReader& reader = io::systemFileReader());
    // Writes the document to path through a temporary file renamed over it.
    // With replacePath the document takes path and its title. Not modified
    // afterwards. On failure the existing file is untouched.
    // With io::Overwrite::Refuse an existing file at path is left alone and reported.
    // A read-only file at path is never replaced (status ReadOnly).
    DocResult saveToPath(const std::string& path, bool replacePath,
                         io::Overwrite overwrite = io::Overwrite::Allow,
                         const io::FileCalls& calls = io::systemFileCalls());
    // File Save by the save policy (save_policy.h). A new document's target
    // that would replace another file is written only once replaceConfirmed;
    // until then needsConfirmation is set and nothing is written.
    struct SaveOutcome {
        DocResult result;
        SaveTarget target;
        bool needsConfirmation = false; // ask, then call again with replaceConfirmed
        bool offerSaveAs = false;       // the target could not be written or is read-only
        std::string lastBrowseFolder;   // the new last browse folder; empty when unchanged
    };
    SaveOutcome save(const std::string& lastBrowseFolder, const std::string& defaultScriptsFolder,
                     bool replaceConfirmed = false);
    // Save As with a path the user chose: sets the known-folder flag.
    DocResult saveAs(const std::string& path);
    // The bytes the file would hold.
    std::vector<std::uint8_t> serialize() const;

    // --- Accessors ----------------------------------------------------------------

    std::size_t tableCount() const { return m_tables.size(); }
    model::CS1_LangTable& table(std::size_t index) { return *m_tables[index]; }
    const model::CS1_LangTable& table(std::size_t index) const { return *m_tables[index]; }
    const TableList& tables() const { return m_tables; }
    std::size_t workingCopyCount() const { return m_workingCopies.size(); }
    const model::CS1_LangTable& workingCopy(std::size_t index) const { return *m_workingCopies[index]; }
    const LinkIndexEntry& linkIndex(std::size_t index) const { return m_linkIndex[index]; }

    int schema() const { return m_schema; }
    int firmwareMajor() const { return m_firmwareMajor; }
    int firmwareMinor() const { return m_firmwareMinor; }
    int documentNumber() const { return m_number.value(); }

    const serial::CommSettings& commSettings() const { return m_comm; }
    void setCommSettings(const serial::CommSettings& settings) { m_comm = settings; }
    // The fields of the opened file that were out of their tables or ranges
    // and were replaced by their defaults (empty when none).
    const messages::Message& settingsCorrections() const { return m_settingsCorrections; }
    // What the open left out of the file (entry records that name no entry),
    // one line per table concerned; empty when nothing was left out.
    const messages::Message& loadNotes() const { return m_loadNotes; }
    const std::u16string& serverPath() const { return m_serverPath; }
    void setServerPath(const std::u16string& path) { m_serverPath = path; }

    bool importComplete() const { return m_importComplete; }
    void setImportComplete(bool complete) { m_importComplete = complete; }
    bool knownFolder() const { return m_knownFolder; }
    void setKnownFolder(bool known) { m_knownFolder = known; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified = true) { m_modified = modified; }
    bool hasPath() const { return !m_path.empty(); }
    const std::string& path() const { return m_path; }
    const std::u16string& title() const { return m_title; }
    void setTitle(const std::u16string& title) { m_title = title; }

    // --- Table operations ----------------------------------------------------------

    // Exchanges table a with its neighbour (and their link index entries);
    // marks the document modified. False when there is no neighbour.
    bool moveTableUp(std::size_t a);
    bool moveTableDown(std::size_t a);
    // A new table cloned from the first one and given image; marks modified.
    bool appendImportedTable(std::span<const std::uint8_t> image);
    // Table k is given image; its link index entry is rebuilt.
    bool replaceTableWithImage(std::size_t k, std::span<const std::uint8_t> image);
    // As replaceTableWithImage, then every edited entry of script menus 80-95
    // in table k's working copy (blank ones included) is written into table k.
    bool replaceAndMerge(std::size_t k, std::span<const std::uint8_t> image);
    // Working copies become fresh copies of every table.
    bool refreshWorkingCopies();
    // Applies results at positions (kNewTablePosition appends, an index
    // replaces, with merge when merging; kNoSlot is skipped), after refreshing
    // the working copies. Checks everything first: a position past the tables
    // or a result that is not a full image changes nothing and gives false.
    bool applyImportBatch(const PositionList& positions, const ImportResults& results, bool merge);
    // The end of an import into a new document made with importCodes: the
    // k-th chosen slot's image becomes table k, which must be a table of that
    // slot's language (false otherwise, nothing changed), template tables
    // beyond the imported ones are removed, and the import-complete flag is set.
    bool completeNewDocumentImport(const SlotCodes& importCodes, const ImportResults& results);

    // Rebuilds the link index entries of every table.
    void rebuildLinkIndex();
    void rebuildLinkIndex(std::size_t k);

private:
    bool replaceAndMergeFrom(std::size_t k, std::span<const std::uint8_t> image,
                             const model::CS1_LangTable& before);
    void takeFileName(const std::string& path);

    DocumentNumber m_number;
    int m_firmwareMajor = 0;
    int m_firmwareMinor = 0;
    TableList m_tables;
    TableList m_workingCopies;
    std::vector<LinkIndexEntry> m_linkIndex;
    int m_schema = -1;
    serial::CommSettings m_comm;
    messages::Message m_settingsCorrections;
    messages::Message m_loadNotes;
    std::u16string m_serverPath;
    bool m_importComplete = false;
    bool m_knownFolder = false;
    bool m_modified = false;
    std::string m_path;
    std::u16string m_title;
};

// --- Making documents --------------------------------------------------------------

struct DocOutcome {
    std::unique_ptr<CS1_Doc> doc; // null on failure
    DocResult result;
};

// A new document from the tables of a template build (the catalogue's
// CreateTablesFromTemplate or buildTablesFromTemplate). The build is called
// only once a document number was free.
DocOutcome createNewDocument(DocumentNumberPool& pool,
                             const std::function<templates::TemplateBuildResult(int documentNumber)>& build,
                             const SlotCodes* importCodes, int currentPort);
DocOutcome openDocument(DocumentNumberPool& pool, const std::string& path, int currentPort,
                        const io::FileReader& reader = io::systemFileReader());

// A friendly name as shown: without the blanks that pad it to its field.
std::u16string shownTableName(std::u16string_view friendlyName);
// The friendly names of doc's tables, in document order, as shown.
std::vector<std::u16string> tableNames(const CS1_Doc& doc);

} // namespace tarvo::document
