#include "platform/VersionRecord.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace platform {

namespace {

// The fixed versions come from VS_FIXEDFILEINFO; the string table of the first
// translation is read key by key, as the about box asks for it.
std::optional<VersionRecord> recordOf(const std::wstring& path) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return std::nullopt;
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        return std::nullopt;

    VersionRecord record;
    void* fixed = nullptr;
    UINT fixedSize = 0;
    if (VerQueryValueW(data.data(), L"\\", &fixed, &fixedSize) &&
        fixedSize >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
        record.fileVersion = {HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                              HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
        record.productVersion = {HIWORD(info->dwProductVersionMS), LOWORD(info->dwProductVersionMS),
                                 HIWORD(info->dwProductVersionLS),
                                 LOWORD(info->dwProductVersionLS)};
    }
    void* translation = nullptr;
    UINT translationSize = 0;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &translation,
                        &translationSize) ||
        translationSize < 4)
        return std::nullopt;
    const auto* pair = static_cast<const WORD*>(translation);
    record.translations.emplace_back(pair[0], pair[1]);

    VersionRecord::StringTable table{pair[0], pair[1], {}};
    for (std::string_view key : VersionKeys) {
        wchar_t query[96];
        std::swprintf(query, 96, L"\\StringFileInfo\\%04x%04x\\%hs", pair[0], pair[1],
                      std::string(key).c_str());
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(data.data(), query, &value, &length) || length == 0)
            continue;
        const auto* text = static_cast<const wchar_t*>(value);
        const int wide = static_cast<int>(wcsnlen(text, length));
        const int bytes = WideCharToMultiByte(1252, 0, text, wide, nullptr, 0, nullptr, nullptr);
        std::string narrow(static_cast<std::size_t>(bytes), '\0');
        WideCharToMultiByte(1252, 0, text, wide, narrow.data(), bytes, nullptr, nullptr);
        table.entries.emplace_back(std::string(key), std::move(narrow));
    }
    record.tables.push_back(std::move(table));
    return record;
}

std::wstring widePath(const std::string& path) {
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    wide.resize(wide.empty() ? 0 : wide.size() - 1);
    return wide;
}

} // namespace

std::optional<VersionRecord> readVersionRecord(const std::string& path) {
    return recordOf(widePath(path));
}

std::optional<VersionRecord> ownVersionRecord() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    if (length == 0)
        return std::nullopt;
    return recordOf(std::wstring(path, length));
}

} // namespace platform
