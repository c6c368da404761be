#pragma once
// Where File Save writes a document. A document that has a path (opened, or
// saved before) is saved over that file; if that fails the caller offers Save
// As. A new document goes, without a dialog, to the default Scripts folder
// (or the last browse folder once the known-folder flag is set) under a name
// made from its title; when a different file of that name exists the caller
// asks before replacing it.

#include <functional>
#include <optional>
#include <string>

namespace tarvo::document {

struct SavePolicyInput {
    bool hasPath = false;
    std::string path;         // the document's file, when hasPath
    std::u16string title;     // the document's title ("Tarvo1", "Plan.tvo")
    bool knownFolder = false; // set by open and by Save As
    std::string lastBrowseFolder;
    std::string defaultScriptsFolder;
};

enum class SaveTargetKind {
    DocumentPath, // over the document's own file
    NewFile,      // a new document's first save, into a folder chosen by the rule
};

struct SaveTarget {
    SaveTargetKind kind = SaveTargetKind::DocumentPath;
    std::string path;
    // The folder written into: for a new file it becomes the last browse folder.
    std::string folder;
};

SaveTarget decideSaveTarget(const SavePolicyInput& input);

// The file name of a new document: every ".tvo" in the title replaced by three
// blanks, trailing blanks removed, then ".tvo". Path separators in the title
// become "_" so the name stays in its folder.
std::string fileNameFromTitle(const std::u16string& title);

// True when saving to target would replace an existing file other than the
// document's own (the caller asks first).
bool saveWouldReplaceAnotherFile(const SaveTarget& target);

// Creates folder and its missing parents. False with a reason when it cannot.
bool ensureFolderExists(const std::string& folder, std::string& reason);

using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;
// The user's documents folder (XDG_DOCUMENTS_DIR from the environment or from
// user-dirs.dirs, else $HOME/Documents) followed by "Tarvo Scripts".
std::string defaultScriptsFolder(const EnvironmentLookup& environment);
// The same with the process environment.
std::string defaultScriptsFolder();

// "dir/name" without doubling the separator.
std::string joinPath(const std::string& folder, const std::string& name);
// The folder part of a path ("." when there is none) and the last part.
std::string folderOfPath(const std::string& path);
std::string fileNameOfPath(const std::string& path);

} // namespace tarvo::document
