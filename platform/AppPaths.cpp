#include "platform/AppPaths.h"

#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

std::string& overriddenFolder() {
    static std::string folder;
    return folder;
}

FolderWritableCheck& overriddenWritableCheck() {
    static FolderWritableCheck check;
    return check;
}

UserFolders& overriddenUserFolders() {
    static UserFolders folders;
    return folders;
}

const char Separator = QDir::separator().toLatin1();

std::string withSeparator(std::string folder) {
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\'))
        folder += Separator;
    return folder;
}

std::string localPath(const QString& path) {
    return fileName(QDir::toNativeSeparators(path));
}

// Only a folder refused to this user (permissions, a read-only file system) counts as
// not writable; any other failure shows up, with the path beside the program, when a
// file is written there.
bool folderWritable(const std::string& folder) {
    if (overriddenWritableCheck())
        return overriddenWritableCheck()(folder);
#ifdef Q_OS_WIN
    return ::_access(folder.c_str(), 2) == 0 || errno != EACCES;
#else
    return ::access(folder.c_str(), W_OK | X_OK) == 0 ||
           (errno != EACCES && errno != EROFS && errno != EPERM);
#endif
}

std::string standardFolder(QStandardPaths::StandardLocation location, const char* fallback) {
    QString folder = QStandardPaths::writableLocation(location);
    if (folder.isEmpty())
        folder = QDir::home().filePath(QString::fromLatin1(fallback));
    return withSeparator(localPath(folder));
}

UserFolders userFolders() {
    const UserFolders& given = overriddenUserFolders();
    if (!given.data.empty())
        return given;
    return {standardFolder(QStandardPaths::GenericDataLocation, ".local/share"),
            standardFolder(QStandardPaths::GenericCacheLocation, ".cache"),
            standardFolder(QStandardPaths::DocumentsLocation, "Documents")};
}

std::string parentFolder(const std::string& file) {
    const std::size_t cut = file.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : file.substr(0, cut);
}

// Makes `folder` and its missing parents; the last one private when asked. A private
// folder that exists already is made private again if it belongs to this user.
void makeFolder(const std::string& folder, bool privateToUser) {
    QDir().mkpath(qtPath(folder));
#ifndef Q_OS_WIN
    if (privateToUser) {
        struct stat info {};
        if (::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
            info.st_uid == ::geteuid() && (info.st_mode & 077) != 0)
            ::chmod(folder.c_str(), 0700);
    }
#else
    (void)privateToUser;
#endif
}

} // namespace

void setExecutableFolderForTesting(const std::string& folder) {
    overriddenFolder() = folder;
}

void setFolderWritableCheckForTesting(FolderWritableCheck check) {
    overriddenWritableCheck() = std::move(check);
}

void setUserFoldersForTesting(const UserFolders& folders) {
    overriddenUserFolders() = folders;
}

std::string executableFolder() {
    if (!overriddenFolder().empty())
        return withSeparator(overriddenFolder());
    QString folder = QCoreApplication::applicationDirPath();
    if (folder.isEmpty())
        folder = QDir::currentPath();
    return withSeparator(localPath(folder));
}

bool isInstalledLayout(const std::string& folder) {
    const QDir bin(qtPath(folder));
    if (bin.dirName() != QStringLiteral("bin"))
        return false;
    return QFileInfo(bin.absoluteFilePath(QStringLiteral("../share/provendo"))).isDir();
}

ProgramFileLocations locateProgramFiles(const std::string& folder, const UserFolders& user,
                                        const FolderWritableCheck& writable) {
    ProgramFileLocations where;
    where.perUser = isInstalledLayout(folder) || !writable(folder);
    if (!where.perUser) {
        where.categoryNames = folder + "Defaults.slf";
        where.shoppingText = folder + "ShoppingList.txt";
        where.listsFolder = folder + "Lists";
        return where;
    }
    where.categoryNames = withSeparator(user.data) + "provendo" + Separator + "Defaults.slf";
    where.shoppingText = withSeparator(user.cache) + "provendo" + Separator + "ShoppingList.txt";
    where.listsFolder = withSeparator(user.documents) + "Shopping Lists";
    return where;
}

namespace {

ProgramFileLocations currentLocations() {
    return locateProgramFiles(executableFolder(), userFolders(), folderWritable);
}

std::string pick(const ProgramFileLocations& where, ProgramFile file) {
    switch (file) {
    case ProgramFile::CategoryNames:
        return where.categoryNames;
    case ProgramFile::ShoppingText:
        return where.shoppingText;
    case ProgramFile::ListsFolder:
        return where.listsFolder;
    }
    return {};
}

} // namespace

std::string programFilePath(ProgramFile file) {
    return pick(currentLocations(), file);
}

std::string programFilePathForWriting(ProgramFile file) {
    const ProgramFileLocations where = currentLocations();
    const std::string path = pick(where, file);
    if (!where.perUser)
        return path;
    if (file == ProgramFile::ListsFolder)
        makeFolder(path, false);
    else
        makeFolder(parentFolder(path), file == ProgramFile::ShoppingText);
    return path;
}

std::string helpFilePath() {
    const std::string folder = executableFolder();
    const std::string beside = folder + "Help" + Separator + "PROVENDO.hlp";
    if (QFileInfo(qtPath(beside)).isFile())
        return beside;
    const std::string installed =
        localPath(QDir(qtPath(folder))
                      .absoluteFilePath(QStringLiteral("../share/provendo/Help/PROVENDO.hlp")));
    if (QFileInfo(qtPath(installed)).isFile())
        return localPath(QFileInfo(qtPath(installed)).canonicalFilePath());
    return beside;
}

} // namespace platform
