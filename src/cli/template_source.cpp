#include "cli/template_source.h"

#include "cli/document_cli.h"
#include "templates/template_messages.h"

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo::cli {

namespace {

std::string currentDirectory()
{
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string(".");
}

std::string executablePath()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

} // namespace

bool pathExists(const std::string& path)
{
    // As the save sees it: a link is followed, and one naming nothing yet
    // names the file the save creates.
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

TemplateSource::TemplateSource(std::optional<std::string> templatePath)
    : m_path(std::move(templatePath)),
      m_catalogue(currentDirectory(), templates::programTemplateDirectory(executablePath()))
{
}

bool TemplateSource::ready(std::string& message)
{
    if (m_path || m_catalogue.RefreshTemplateCatalogue())
        return true;
    message = oneLine(templates::msg::formatMessage(templates::msg::kNoValidTemplates));
    return false;
}

templates::TemplateBuildResult TemplateSource::build(int documentNumber)
{
    static const std::u16string failureNote = templates::msg::messageText(templates::msg::kNewDocumentFailed);
    return m_path ? templates::buildTablesFromTemplate(*m_path, failureNote)
                  : m_catalogue.CreateTablesFromTemplate(documentNumber);
}

} // namespace tarvo::cli
