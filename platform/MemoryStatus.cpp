#include "platform/MemoryStatus.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {

namespace {

// The value of one "Name:   1234 kB" line, in bytes.
std::optional<std::uint64_t> meminfoValue(std::string_view text, std::string_view name) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (line.size() <= name.size() || line.substr(0, name.size()) != name ||
            line[name.size()] != ':')
            continue;
        line.remove_prefix(name.size() + 1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        std::uint64_t value = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), value);
        if (error != std::errc())
            return std::nullopt;
        const bool kilobytes =
            std::string_view(rest, line.data() + line.size()).find("kB") != std::string_view::npos;
        return kilobytes ? value * 1024 : value;
    }
    return std::nullopt;
}

} // namespace

MemoryStatus memoryStatusFromMeminfo(std::string_view text) {
    MemoryStatus status;
    const auto limit = meminfoValue(text, "CommitLimit");
    const auto committed = meminfoValue(text, "Committed_AS");
    if (limit && committed && *limit > 0) {
        status.totalPageFile = *limit;
        // Linux may commit beyond the limit (overcommit); nothing is then left to commit.
        status.availablePageFile = *limit > *committed ? *limit - *committed : 0;
        return status;
    }
    const std::uint64_t ram = meminfoValue(text, "MemTotal").value_or(0);
    const std::uint64_t swap = meminfoValue(text, "SwapTotal").value_or(0);
    const auto ramFree = meminfoValue(text, "MemAvailable");
    const std::uint64_t available =
        (ramFree ? *ramFree : meminfoValue(text, "MemFree").value_or(0)) +
        meminfoValue(text, "SwapFree").value_or(0);
    status.totalPageFile = ram + swap;
    status.availablePageFile = std::min(available, status.totalPageFile);
    return status;
}

MemoryStatus currentMemoryStatus() {
#ifdef _WIN32
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (!GlobalMemoryStatusEx(&memory))
        return {};
    return {memory.ullTotalPageFile, memory.ullAvailPageFile};
#else
    std::ifstream in("/proc/meminfo");
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return memoryStatusFromMeminfo(text);
#endif
}

int percentAvailable(const MemoryStatus& status) {
    if (status.totalPageFile == 0)
        return 0;
    const std::uint64_t available = std::min(status.availablePageFile, status.totalPageFile);
    // Integer rounding to nearest, without the overflow of available * 100 near 2^64.
    const long double ratio =
        static_cast<long double>(available) / static_cast<long double>(status.totalPageFile);
    return static_cast<int>(ratio * 100.0L + 0.5L);
}

} // namespace platform
