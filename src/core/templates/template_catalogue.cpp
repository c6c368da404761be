#include "templates/template_catalogue.h"

#include "templates/template_messages.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tarvo::templates {
namespace {

namespace fs = std::filesystem;

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool endsWithIgnoringCase(const std::string& name, const std::string& suffix)
{
    if (name.size() < suffix.size())
        return false;
    const std::size_t start = name.size() - suffix.size();
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (asciiUpper(name[start + i]) != asciiUpper(suffix[i]))
            return false;
    return true;
}

std::string fullPath(const fs::path& p)
{
    std::error_code ec;
    fs::path absolute = fs::absolute(p, ec);
    if (ec)
        absolute = p;
    return absolute.lexically_normal().string();
}

} // namespace

TemplateBuildResult buildTablesFromTemplate(const std::string& path, const std::u16string& failureNote)
{
    TemplateBuildResult result;
    CTemplateReader reader;
    reader.SetFailureNote(failureNote);
    result.ok = reader.ParseTemplate(path, result.tables);
    if (!result.ok)
        result.error = reader.Error();
    return result;
}

std::vector<std::string> findTemplateFiles(const std::string& directory, int number)
{
    std::vector<std::string> names;
    if (directory.empty())
        return names;
    const std::string suffix = ".LT" + std::to_string(number);
    std::error_code ec;
    fs::directory_iterator it(directory, ec);
    if (ec)
        return names;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        const std::string name = it->path().filename().string();
        if (endsWithIgnoringCase(name, suffix))
            names.push_back(name);
    }
    // Byte order of the names, the same on every file system.
    std::sort(names.begin(), names.end());
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const auto& name : names)
        paths.push_back(fullPath(fs::path(directory) / name));
    return paths;
}

std::string programTemplateDirectory(const std::string& executablePath)
{
    const fs::path executable(executablePath);
    return (fs::path(fullPath(executable)).parent_path() / ".." / "share" / "tarvo-script" / "templates")
        .lexically_normal()
        .string();
}

TemplateCatalogue::TemplateCatalogue(std::string startDirectory, std::string programDirectory)
    : m_startDirectory(std::move(startDirectory)), m_programDirectory(std::move(programDirectory))
{
}

bool TemplateCatalogue::RefreshTemplateCatalogue()
{
    m_entries.clear();
    m_checkErrors.clear();
    AddTemplatesOfNumber(kTemplateNumber);
    return !m_entries.empty();
}

void TemplateCatalogue::AddTemplatesOfNumber(int number)
{
    std::vector<std::string> files = findTemplateFiles(m_startDirectory, number);
    if (files.empty())
        files = findTemplateFiles(m_programDirectory, number);
    if (files.empty())
        return;
    // Only the first file: a new document is always made from it.
    TemplateCatalogueEntry entry;
    entry.templateNumber = number;
    entry.path = files.front();
    CTemplateReader reader;
    reader.ReadFriendlyName(entry.path, entry.friendlyName);
    if (reader.Error())
        m_checkErrors.push_back(*reader.Error());
    m_entries.push_back(std::move(entry));
}

int TemplateCatalogue::TemplateChoice(int documentNumber) const
{
    if (documentNumber < 0 || documentNumber >= kDocumentNumbers)
        return 0;
    return m_templateChoice[documentNumber];
}

TemplateBuildResult TemplateCatalogue::CreateTablesFromTemplate(int documentNumber) const
{
    const int index = TemplateChoice(documentNumber);
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size()) {
        TemplateBuildResult result;
        result.error = plainError(msg::kNoValidTemplates, msg::message(msg::kNoValidTemplates));
        return result;
    }
    return buildTablesFromTemplate(m_entries[static_cast<std::size_t>(index)].path,
                                   msg::formatMessage(msg::kNewDocumentFailed));
}

} // namespace tarvo::templates
