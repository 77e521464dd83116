#include "files/FileCommands.h"

#include "model/ItemLine.h"
#include "platform/AppPaths.h"

namespace files {

FileCommands::FileCommands(model::Document& document, DocumentFiles files, FileCommandsUser& user)
    : document_(document), files_(files), user_(user) {}

void FileCommands::offerToSave() {
    if (document_.modified() && user_.askToSave(SaveQuestion::BeforeReplacing))
        save();
}

// Keeps every line holding "//": the category lines, and items that look like them.
void FileCommands::deleteItemLines() {
    for (int c = 0; c < model::CategoryCount; ++c)
        document_.list(c).removeIf(
            [](std::string_view line) { return !model::isMarkerLine(line); });
}

void FileCommands::forgetFile() {
    files_.listsFolder.clear();
    files_.currentFile.clear();
    user_.showPath({});
}

// The emptied list counts as changed, so that it is offered for saving.
void FileCommands::newList() {
    offerToSave();
    deleteItemLines();
    document_.setModified();
    forgetFile();
}

void FileCommands::close() {
    offerToSave();
    deleteItemLines();
    document_.clearModified();
    forgetFile();
}

void FileCommands::open() {
    // Unsaved changes are offered for saving before a file can replace them.
    offerToSave();
    if (files_.listsFolder.empty())
        files_.listsFolder = platform::programFilePath(platform::ProgramFile::ListsFolder);
    const std::string chosen = user_.chooseFileToOpen(files_.listsFolder);
    if (!chosen.empty())
        openFile(chosen);
}

void FileCommands::openFile(const std::string& path) {
    // Read and grouped in full first: a file that cannot be read or has too many groups
    // changes nothing.
    const std::string bytes = readFileBytes(path);
    const ListGroups groups = groupListLines(bytes);

    files_.currentFile = path;
    user_.loadGroups(groups);
    user_.showPath(path);
    user_.fileOpened();
    // The list in hand is now the file's.
    document_.clearModified();
}

void FileCommands::save() {
    // The default lists folder in the user's documents is made when it is first needed.
    if (files_.listsFolder == platform::programFilePath(platform::ProgramFile::ListsFolder))
        platform::programFilePathForWriting(platform::ProgramFile::ListsFolder);
    user_.setSaveFolder(files_.listsFolder);
    if (!files_.currentFile.empty()) {
        SaveListFile(document_, files_.currentFile);
        document_.clearModified();
        return;
    }
    const std::string chosen = user_.chooseFileToSave();
    if (!chosen.empty())
        saveTo(chosen);
}

void FileCommands::saveAs() {
    const std::string chosen = user_.chooseFileToSave();
    if (chosen.empty())
        return;
    saveTo(chosen);
    user_.showPath(chosen);
}

// The file becomes the current one only once it has been written.
void FileCommands::saveTo(const std::string& path) {
    SaveListFile(document_, path);
    files_.currentFile = path;
    document_.clearModified();
}

void FileCommands::closeQuery(bool& canClose) {
    if (!document_.modified() || !user_.askToSave(SaveQuestion::BeforeClosing))
        return;
    // The window stays open; once saved, the next close asks nothing.
    canClose = false;
    save();
}

} // namespace files
