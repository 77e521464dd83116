#pragma once

#include <QString>
#include <string>

namespace platform {

// A path as Qt holds it, turned into the bytes the operating system's file calls take:
// the locale's encoding (UTF-8 here), on Windows the ANSI code page that the -A calls
// (CreateFileA, MoveFileExA) expect. No separators are changed.
std::string fileName(const QString& path);

// The file name bytes back as a Qt path.
QString qtPath(const std::string& fileName);

} // namespace platform
