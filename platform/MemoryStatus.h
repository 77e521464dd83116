#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// Paging memory in bytes: how much the system can commit in all and how much of that is
// still free to commit.
struct MemoryStatus {
    std::uint64_t totalPageFile = 0;
    std::uint64_t availablePageFile = 0;
};

// From the text of /proc/meminfo: the commit limit and what is still uncommitted under
// it. Where the kernel gives no commit limit, RAM plus swap and what of them is
// available stand in.
MemoryStatus memoryStatusFromMeminfo(std::string_view text);

// The system's memory status now (all zero when it cannot be read).
MemoryStatus currentMemoryStatus();

// Available as a whole percentage of total, rounded; 0 when the total is unknown.
int percentAvailable(const MemoryStatus& status);

} // namespace platform
