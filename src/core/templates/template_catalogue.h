#pragma once
// The catalogue of templates a new document can be made from, and the
// building of a new document's language tables from a template.

#include "templates/template_error.h"
#include "templates/template_parser.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvo::templates {

// The program looks for template number 3 only: files named "*.LT3".
inline constexpr int kTemplateNumber = 3;
// Document numbers run 0-15; each has a template choice.
inline constexpr int kDocumentNumbers = 16;

struct TemplateCatalogueEntry {
    int templateNumber = kTemplateNumber;
    std::u16string friendlyName; // always empty: templates define none
    std::string path;            // the file's full path
};

struct TemplateBuildResult {
    bool ok = false;
    TableList tables;                   // one per table block, in file order, when ok
    std::optional<TemplateError> error; // set when !ok
};

// Parses a template into new tables. failureNote heads every message that
// shows a position (the new-document code gives string 12101).
TemplateBuildResult buildTablesFromTemplate(const std::string& path, const std::u16string& failureNote = {});

// Files of directory whose names end in ".LT<number>" (any case), sorted by
// the bytes of their names. Full paths; an unreadable directory gives none.
std::vector<std::string> findTemplateFiles(const std::string& directory, int number);

// The program's own template folder for an executable at executablePath:
// <folder of the executable>/../share/tarvo-script/templates.
std::string programTemplateDirectory(const std::string& executablePath);

class TemplateCatalogue {
public:
    // startDirectory: the current directory at start-up. programDirectory:
    // searched when the start directory holds no template (may be empty).
    TemplateCatalogue(std::string startDirectory, std::string programDirectory);

    // Rebuilds the catalogue; true when it holds an entry.
    bool RefreshTemplateCatalogue();
    // Adds the entry for one template number: the first matching file of the
    // start directory, or of the program's folder when the start directory
    // has none. The entry is added even when its check fails.
    void AddTemplatesOfNumber(int number);

    const std::vector<TemplateCatalogueEntry>& Entries() const { return m_entries; }
    // Messages of the checks made by the last refresh, for the caller to show.
    const std::vector<TemplateError>& CheckErrors() const { return m_checkErrors; }

    // Catalogue index a new document with this number is made from.
    int TemplateChoice(int documentNumber) const;
    // The tables of a new document: parses its chosen entry with the failure
    // note 12101. Fails with message 11801 when the catalogue is empty.
    TemplateBuildResult CreateTablesFromTemplate(int documentNumber) const;

    const std::string& StartDirectory() const { return m_startDirectory; }
    const std::string& ProgramDirectory() const { return m_programDirectory; }

private:
    std::string m_startDirectory;
    std::string m_programDirectory;
    std::vector<TemplateCatalogueEntry> m_entries;
    std::vector<TemplateError> m_checkErrors;
    int m_templateChoice[kDocumentNumbers] = {};
};

} // namespace tarvo::templates
