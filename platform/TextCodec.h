#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

// Document text is single-byte Windows-1252; this is the one place that converts it
// to and from QString. Every byte 0x00..0xFF survives a round trip, the five bytes
// that Windows-1252 leaves undefined included.
QString toQString(std::string_view bytes);
std::string fromQString(const QString& text);

} // namespace platform
