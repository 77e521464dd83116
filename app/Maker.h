#pragma once

#include <QString>

// The maker's addresses behind the Home Page command and the about box's links, and the
// program's id derived from them.
namespace Maker {

inline QString website() {
    return QStringLiteral("https://www.quillmere.example/provendo/");
}
inline QString supportMail() {
    return QStringLiteral("support@quillmere.example");
}
// The program's reverse-domain id, built from the web address: the name of its desktop
// entry, icon and metadata, through which the desktop ties its windows to the program.
inline QString applicationId() {
    return QStringLiteral("example.quillmere.Provendo");
}
inline QString infoMail() {
    return QStringLiteral("info@quillmere.example");
}

} // namespace Maker
