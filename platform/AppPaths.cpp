#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
std::string& overriddenFolder() {
    static std::string folder;
    return folder;
}
} // namespace

void setExecutableFolderForTesting(const std::string& folder) {
    overriddenFolder() = folder;
}

std::string executableFolder() {
    if (!overriddenFolder().empty()) {
        std::string folder = overriddenFolder();
        if (folder.back() != '/' && folder.back() != '\\')
            folder += QDir::separator().toLatin1();
        return folder;
    }
    QString folder = QCoreApplication::applicationDirPath();
    if (folder.isEmpty())
        folder = QDir::currentPath();
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder.toLocal8Bit().toStdString();
}

} // namespace platform
