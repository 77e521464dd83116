#include "platform/FileNames.h"

#include <QFile>

namespace platform {

// Qt's local 8-bit encoding is the one the file system speaks: UTF-8 on Unix, the ANSI
// code page on Windows. A list text codec would be wrong here: file names are not list
// text, and a name the code page cannot hold is the system's limit, not ours.
std::string fileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString qtPath(const std::string& fileName) {
    return QFile::decodeName(QByteArray::fromStdString(fileName));
}

} // namespace platform
