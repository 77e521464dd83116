#pragma once

#include <functional>
#include <string>

namespace platform {

// The folder of the running executable, ending with its separator.
std::string executableFolder();

// Tests point the program at a folder of their own instead of the test binary's.
void setExecutableFolderForTesting(const std::string& folder);

// The files the program keeps for itself. A program in a folder of its own that the user
// may write (a build folder, a portable copy) keeps them beside the executable; an
// installed one (bin/ under a prefix with share/provendo/) or one in a folder the user
// cannot write keeps them in the user's own folders instead.
enum class ProgramFile {
    CategoryNames, // Defaults.slf
    ShoppingText,  // ShoppingList.txt, written and deleted around each e-mail
    ListsFolder,   // the folder the file dialogs offer first when none is stored
};

// The user's folders, each ending with a separator.
struct UserFolders {
    std::string data;      // $XDG_DATA_HOME, else ~/.local/share/
    std::string cache;     // $XDG_CACHE_HOME, else ~/.cache/
    std::string documents; // the documents folder of user-dirs.dirs, else ~/Documents/
};

struct ProgramFileLocations {
    bool perUser = false;
    std::string categoryNames;
    std::string shoppingText;
    std::string listsFolder; // without a trailing separator, as the lists folder setting holds it
};

using FolderWritableCheck = std::function<bool(const std::string& folder)>;

// The one decision of where the program's own files go, for an executable in `folder`.
ProgramFileLocations locateProgramFiles(const std::string& folder, const UserFolders& user,
                                        const FolderWritableCheck& writable);

// True when `folder` (ending with its separator) is the bin/ folder of an installed prefix.
bool isInstalledLayout(const std::string& folder);

// The path of one of the program's files for this run.
std::string programFilePath(ProgramFile file);
// The same, after making the per-user folder that holds it (the one for ShoppingList.txt
// readable by the user alone). Beside the executable nothing is made.
std::string programFilePathForWriting(ProgramFile file);

// The user guide: Help/PROVENDO.hlp beside the executable when it is there, else the
// installed copy under share/provendo/; the path beside the executable when neither is.
std::string helpFilePath();

// Root may write every folder: tests decide writability themselves. An empty check
// restores the real one.
void setFolderWritableCheckForTesting(FolderWritableCheck check);
// Tests give the user's folders; empty values restore the real ones.
void setUserFoldersForTesting(const UserFolders& folders);

} // namespace platform
