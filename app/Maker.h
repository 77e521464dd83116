#pragma once

#include <QString>

// The maker's addresses behind the Home Page command and the about box's links.
namespace Maker {

inline QString website() {
    return QStringLiteral("https://www.quillmere.example/provendo/");
}
inline QString supportMail() {
    return QStringLiteral("support@quillmere.example");
}
inline QString infoMail() {
    return QStringLiteral("info@quillmere.example");
}

} // namespace Maker
