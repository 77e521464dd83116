#pragma once

#include "files/ListFile.h"
#include "model/Document.h"

#include <string>

namespace files {

// The two save questions: before a list is replaced, and before the window closes.
enum class SaveQuestion { BeforeReplacing, BeforeClosing };

// What the file commands ask of the user and show them. Paths are file name bytes; an
// empty path is a cancelled dialog.
class FileCommandsUser {
public:
    virtual ~FileCommandsUser() = default;

    // True for Yes.
    virtual bool askToSave(SaveQuestion question) = 0;
    virtual std::string chooseFileToOpen(const std::string& folder) = 0;
    // The save dialog keeps the folder it was last given until it is given another.
    virtual void setSaveFolder(const std::string& folder) = 0;
    virtual std::string chooseFileToSave() = 0;
    // The path of the list in hand, or empty.
    virtual void showPath(const std::string& path) = 0;
    // The pages take the groups read from a list file.
    virtual void loadGroups(const ListGroups& groups) = 0;
    // A list file was opened: the lists' tab stops follow their headers, Save As is offered.
    virtual void fileOpened() = 0;
};

// Where the document's file lives: the list file last opened or saved, and the folder the
// dialogs offer first. They are program-wide values, held by whoever owns the program.
struct DocumentFiles {
    std::string& currentFile;
    std::string& listsFolder;
};

// New, Open, Save, Save As, Close and the close query over the document. Errors (a file
// that cannot be read or written) are thrown and leave the document as it was.
class FileCommands {
public:
    FileCommands(model::Document& document, DocumentFiles files, FileCommandsUser& user);

    void newList();
    void open();
    // Open's steps after the dialog: read, rebuild the pages, show the path.
    void openFile(const std::string& path);
    void save();
    void saveAs();
    void close();
    // canClose comes in true; Yes to the question keeps the window open and saves.
    void closeQuery(bool& canClose);

private:
    void offerToSave();
    void deleteItemLines();
    void saveTo(const std::string& path);
    void forgetFile();

    model::Document& document_;
    DocumentFiles files_;
    FileCommandsUser& user_;
};

} // namespace files
