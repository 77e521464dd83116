#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// The program file's version record: fixed file and product versions, a translation
// table and one string table per translation. Text values are Windows-1252 bytes.
struct VersionRecord {
    struct StringTable {
        std::uint16_t language = 0;
        std::uint16_t codePage = 0;
        std::vector<std::pair<std::string, std::string>> entries;
    };

    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations; // language, code page
    std::vector<StringTable> tables;
};

// The ten values the about box reads, in the order they are read.
inline constexpr std::array<std::string_view, 10> VersionKeys = {
    "CompanyName",     "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
    "LegalTrademarks", "OriginalFilename", "ProductName", "ProductVersion", "Comments"};
inline constexpr std::size_t VersionKeyFileVersion = 2;
inline constexpr std::size_t VersionKeyLegalCopyright = 4;

inline constexpr std::string_view ValueNotAvailable = "Value Not Available";

// The name of the executable's section that holds the encoded record.
inline constexpr std::string_view VersionSectionName = ".provendo_version";

class EVersionSource : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The record's bytes as embedded into the executable (little-endian, length-prefixed).
std::string encodeVersionRecord(const VersionRecord& record);
// Nothing for bytes that are not a whole, well-formed record.
std::optional<VersionRecord> decodeVersionRecord(std::string_view bytes);

// The record described by a version source (lines "FILEVERSION 1.1.0.2",
// "PRODUCTVERSION ...", "TRANSLATION 0x1009 1252" and "Key = value"; '#' starts a
// comment line). Raises EVersionSource naming the line at fault.
VersionRecord parseVersionSource(std::string_view text);
// The same record as a Windows resource script (VERSIONINFO).
std::string versionResourceScript(const VersionRecord& record);

// The ten values of VersionKeys from the string table of the record's first translation;
// a value the table lacks reads as empty. Without a record every value reads
// "Value Not Available".
std::array<std::string, 10> versionValues(const std::optional<VersionRecord>& record);

// The version record of the file at path, when it carries one.
std::optional<VersionRecord> readVersionRecord(const std::string& path);
// The version record of the running program's own file.
std::optional<VersionRecord> ownVersionRecord();

} // namespace platform
