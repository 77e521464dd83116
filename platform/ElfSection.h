#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The bytes of the named section of an ELF file (32 or 64 bit, either byte order);
// nothing when the file cannot be read, is not ELF, lacks the section or the section is
// larger than maxSize.
std::optional<std::string> readElfSection(const std::string& path, std::string_view name,
                                          std::size_t maxSize);

} // namespace platform
