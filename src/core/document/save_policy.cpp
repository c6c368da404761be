#include "document/save_policy.h"

#include "io/atomic_file.h"
#include "templates/utf_text.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace tarvo::document {

namespace {

constexpr std::u16string_view kDocumentExtension = u".tvo";
constexpr std::u16string_view kExtensionReplacement = u"   ";
constexpr std::u16string_view kUntitled = u"Untitled";
constexpr const char* kScriptsFolderName = "Tarvo Scripts";
constexpr const char* kDocumentsFolderName = "Documents";
constexpr mode_t kFolderMode = 0755;
constexpr std::size_t kMaxUserDirsBytes = 64 * 1024;

std::u16string replaceAll(std::u16string text, std::u16string_view what, std::u16string_view with)
{
    for (std::size_t at = text.find(what); at != std::u16string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

// XDG_DOCUMENTS_DIR="$HOME/Documents" in user-dirs.dirs.
std::optional<std::string> documentsDirFromUserDirs(const std::string& file, const std::string& home)
{
    // Read as every file is: only a regular file, never waiting on a pipe.
    std::vector<std::uint8_t> bytes;
    if (!io::readWholeFile(file, bytes, kMaxUserDirsBytes).ok)
        return std::nullopt;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0)
            value = home + value.substr(5);
        if (!value.empty() && value.front() == '/')
            return value;
    }
    return std::nullopt;
}

} // namespace

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string folderOfPath(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOfPath(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string fileNameFromTitle(const std::u16string& title)
{
    std::u16string name = replaceAll(title, kDocumentExtension, kExtensionReplacement);
    while (!name.empty() && name.back() == u' ')
        name.pop_back();
    for (auto& c : name)
        if (c == u'/' || c == u'\0')
            c = u'_';
    if (name.empty())
        name = kUntitled;
    return templates::utf16ToUtf8(name + std::u16string(kDocumentExtension));
}

SaveTarget decideSaveTarget(const SavePolicyInput& input)
{
    if (input.hasPath && !input.path.empty())
        return {SaveTargetKind::DocumentPath, input.path, folderOfPath(input.path)};
    const std::string folder = input.knownFolder && !input.lastBrowseFolder.empty()
                                   ? input.lastBrowseFolder
                                   : input.defaultScriptsFolder;
    return {SaveTargetKind::NewFile, joinPath(folder, fileNameFromTitle(input.title)), folder};
}

bool saveWouldReplaceAnotherFile(const SaveTarget& target)
{
    if (target.kind != SaveTargetKind::NewFile)
        return false;
    struct stat st {};
    return ::stat(target.path.c_str(), &st) == 0;
}

bool ensureFolderExists(const std::string& folder, std::string& reason)
{
    if (folder.empty())
        return true;
    std::string partial;
    std::size_t start = 0;
    while (start <= folder.size()) {
        const auto slash = folder.find('/', start);
        const std::size_t end = slash == std::string::npos ? folder.size() : slash;
        partial = folder.substr(0, end);
        start = end + 1;
        if (partial.empty())
            continue;
        struct stat st {};
        if (::stat(partial.c_str(), &st) == 0) {
            if (!S_ISDIR(st.st_mode)) {
                reason = partial + ": is not a folder";
                return false;
            }
            continue;
        }
        if (::mkdir(partial.c_str(), kFolderMode) != 0 && errno != EEXIST) {
            reason = partial + ": cannot be created: " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

std::string defaultScriptsFolder(const EnvironmentLookup& environment)
{
    const std::string home = environment("HOME").value_or("");
    std::optional<std::string> documents;
    if (const auto fromEnv = environment("XDG_DOCUMENTS_DIR"); fromEnv && !fromEnv->empty())
        documents = *fromEnv;
    if (!documents) {
        std::string config = environment("XDG_CONFIG_HOME").value_or("");
        if (config.empty() && !home.empty())
            config = joinPath(home, ".config");
        if (!config.empty())
            documents = documentsDirFromUserDirs(joinPath(config, "user-dirs.dirs"), home);
    }
    if (!documents)
        documents = joinPath(home.empty() ? std::string(".") : home, kDocumentsFolderName);
    return joinPath(*documents, kScriptsFolderName);
}

std::string defaultScriptsFolder()
{
    return defaultScriptsFolder([](const std::string& name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name.c_str()))
            return std::string(value);
        return std::nullopt;
    });
}

} // namespace tarvo::document
