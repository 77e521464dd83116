#include "platform/VersionRecord.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace platform {

namespace {

constexpr std::string_view Magic = "PVR1";

void putU16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void putText(std::string& out, const std::string& text) {
    if (text.size() > 0xFFFF)
        throw EVersionSource("A version value is longer than 65535 bytes");
    putU16(out, static_cast<std::uint16_t>(text.size()));
    out += text;
}

template <typename T> std::uint16_t count16(const std::vector<T>& items) {
    if (items.size() > 0xFFFF)
        throw EVersionSource("Too many entries in the version record");
    return static_cast<std::uint16_t>(items.size());
}

// Reads the record front to back; any read past the end marks the whole record bad.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::uint16_t u16() {
        if (!take(2))
            return 0;
        const auto lo = static_cast<unsigned char>(bytes_[pos_ - 2]);
        const auto hi = static_cast<unsigned char>(bytes_[pos_ - 1]);
        return static_cast<std::uint16_t>(lo | (hi << 8));
    }
    std::string text() {
        const std::size_t length = u16();
        if (!take(length))
            return {};
        return std::string(bytes_.substr(pos_ - length, length));
    }
    bool consumed() const { return good_ && pos_ == bytes_.size(); }
    bool good() const { return good_; }

private:
    bool take(std::size_t n) {
        if (!good_ || bytes_.size() - pos_ < n) {
            good_ = false;
            return false;
        }
        pos_ += n;
        return true;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool good_ = true;
};

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::optional<std::uint16_t> number16(std::string_view s) {
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s.remove_prefix(2);
        base = 16;
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, base);
    if (s.empty() || error != std::errc() || end != s.data() + s.size() || value > 0xFFFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::optional<std::array<std::uint16_t, 4>> versionNumbers(std::string_view s) {
    std::array<std::uint16_t, 4> parts{};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t dot = i + 1 < parts.size() ? s.find('.') : s.size();
        if (dot == std::string_view::npos)
            return std::nullopt;
        const auto part = number16(s.substr(0, dot));
        if (!part)
            return std::nullopt;
        parts[i] = *part;
        s.remove_prefix(std::min(s.size(), dot + 1));
    }
    return parts;
}

[[noreturn]] void sourceError(int line, const std::string& what) {
    throw EVersionSource("Version source, line " + std::to_string(line) + ": " + what);
}

std::string rcQuoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += "\"\"";
        else if (c == '\\')
            out += "\\\\";
        else
            out.push_back(c);
    }
    return out + "\\000\"";
}

std::string hex4(std::uint16_t value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(value));
    return buffer;
}

std::string commaVersion(const std::array<std::uint16_t, 4>& v) {
    return std::to_string(v[0]) + "," + std::to_string(v[1]) + "," + std::to_string(v[2]) + "," +
           std::to_string(v[3]);
}

} // namespace

std::string encodeVersionRecord(const VersionRecord& record) {
    std::string out(Magic);
    for (std::uint16_t part : record.fileVersion)
        putU16(out, part);
    for (std::uint16_t part : record.productVersion)
        putU16(out, part);
    putU16(out, count16(record.translations));
    for (const auto& [language, codePage] : record.translations) {
        putU16(out, language);
        putU16(out, codePage);
    }
    putU16(out, count16(record.tables));
    for (const VersionRecord::StringTable& table : record.tables) {
        putU16(out, table.language);
        putU16(out, table.codePage);
        putU16(out, count16(table.entries));
        for (const auto& [key, value] : table.entries) {
            putText(out, key);
            putText(out, value);
        }
    }
    return out;
}

std::optional<VersionRecord> decodeVersionRecord(std::string_view bytes) {
    if (bytes.substr(0, Magic.size()) != Magic)
        return std::nullopt;
    Reader in(bytes.substr(Magic.size()));
    VersionRecord record;
    for (std::uint16_t& part : record.fileVersion)
        part = in.u16();
    for (std::uint16_t& part : record.productVersion)
        part = in.u16();
    for (std::uint16_t n = in.u16(); n > 0 && in.good(); --n) {
        const std::uint16_t language = in.u16();
        record.translations.emplace_back(language, in.u16());
    }
    for (std::uint16_t n = in.u16(); n > 0 && in.good(); --n) {
        VersionRecord::StringTable table;
        table.language = in.u16();
        table.codePage = in.u16();
        for (std::uint16_t entries = in.u16(); entries > 0 && in.good(); --entries) {
            std::string key = in.text();
            table.entries.emplace_back(std::move(key), in.text());
        }
        record.tables.push_back(std::move(table));
    }
    if (!in.consumed())
        return std::nullopt;
    return record;
}

VersionRecord parseVersionSource(std::string_view text) {
    VersionRecord record;
    bool haveFile = false, haveProduct = false;
    std::vector<std::pair<std::string, std::string>> entries;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trim(text.substr(0, end));
        text.remove_prefix(std::min(text.size(), end + 1));
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t space = line.find_first_of(" \t");
        const std::string_view word = line.substr(0, space);
        const std::string_view rest =
            space == std::string_view::npos ? "" : trim(line.substr(space));
        if (word == "FILEVERSION" || word == "PRODUCTVERSION") {
            const auto numbers = versionNumbers(rest);
            if (!numbers)
                sourceError(lineNumber, "expected four numbers such as 1.1.0.2");
            (word == "FILEVERSION" ? record.fileVersion : record.productVersion) = *numbers;
            (word == "FILEVERSION" ? haveFile : haveProduct) = true;
        } else if (word == "TRANSLATION") {
            const std::size_t gap = rest.find_first_of(" \t");
            const auto language = number16(rest.substr(0, gap));
            const auto codePage =
                gap == std::string_view::npos ? std::nullopt : number16(trim(rest.substr(gap)));
            if (!language || !codePage)
                sourceError(lineNumber, "expected a language and a code page");
            record.translations.emplace_back(*language, *codePage);
        } else {
            const std::size_t equals = line.find('=');
            const std::string_view key =
                equals == std::string_view::npos ? "" : trim(line.substr(0, equals));
            if (key.empty() || key.find_first_of(" \t") != std::string_view::npos)
                sourceError(lineNumber, "expected \"Key = value\"");
            const bool duplicate = std::any_of(entries.begin(), entries.end(),
                                               [&](const auto& e) { return e.first == key; });
            if (duplicate)
                sourceError(lineNumber,
                            std::string(1, '"').append(key).append("\" is given twice"));
            entries.emplace_back(std::string(key), std::string(trim(line.substr(equals + 1))));
        }
    }
    if (!haveFile || !haveProduct || record.translations.empty())
        throw EVersionSource("Version source: FILEVERSION, PRODUCTVERSION and TRANSLATION are "
                             "all needed");
    const auto [language, codePage] = record.translations.front();
    record.tables.push_back({language, codePage, std::move(entries)});
    return record;
}

std::string versionResourceScript(const VersionRecord& record) {
    std::string rc = "#pragma code_page(1252)\r\n1 VERSIONINFO\r\n";
    rc += "FILEVERSION " + commaVersion(record.fileVersion) + "\r\n";
    rc += "PRODUCTVERSION " + commaVersion(record.productVersion) + "\r\n";
    rc += "FILEOS 0x4\r\nFILETYPE 0x1\r\n{\r\n BLOCK \"StringFileInfo\"\r\n {\r\n";
    for (const VersionRecord::StringTable& table : record.tables) {
        rc += "  BLOCK \"" + hex4(table.language) + hex4(table.codePage) + "\"\r\n  {\r\n";
        for (const auto& [key, value] : table.entries)
            rc += "   VALUE \"" + key + "\", " + rcQuoted(value) + "\r\n";
        rc += "  }\r\n";
    }
    rc += " }\r\n BLOCK \"VarFileInfo\"\r\n {\r\n  VALUE \"Translation\"";
    for (const auto& [language, codePage] : record.translations)
        rc += ", 0x" + hex4(language) + ", " + std::to_string(codePage);
    rc += "\r\n }\r\n}\r\n";
    return rc;
}

std::array<std::string, 10> versionValues(const std::optional<VersionRecord>& record) {
    std::array<std::string, 10> values;
    if (!record || record->translations.empty()) {
        values.fill(std::string(ValueNotAvailable));
        return values;
    }
    const std::uint16_t language = record->translations.front().first;
    const std::uint16_t codePage = record->translations.front().second;
    const auto table = std::find_if(record->tables.begin(), record->tables.end(), [&](auto& t) {
        return t.language == language && t.codePage == codePage;
    });
    if (table == record->tables.end())
        return values;
    for (std::size_t i = 0; i < VersionKeys.size(); ++i) {
        for (const auto& [key, value] : table->entries)
            if (key == VersionKeys[i])
                values[i] = value;
    }
    return values;
}

} // namespace platform
