#include "platform/MemoryStatus.h"

#include <gtest/gtest.h>

using platform::memoryStatusFromMeminfo;
using platform::percentAvailable;

namespace {

const char* const WithSwap = "MemTotal:        8000000 kB\n"
                             "MemFree:          100000 kB\n"
                             "MemAvailable:    3000000 kB\n"
                             "SwapTotal:       2000000 kB\n"
                             "SwapFree:        2000000 kB\n"
                             "CommitLimit:     6000000 kB\n"
                             "Committed_AS:    2580000 kB\n";

} // namespace

TEST(MemoryStatus, commitLimitAndCommittedGiveThePageFileFigures) {
    const auto status = memoryStatusFromMeminfo(WithSwap);
    EXPECT_EQ(status.totalPageFile, 6000000ull * 1024);
    EXPECT_EQ(status.availablePageFile, 3420000ull * 1024);
    EXPECT_EQ(percentAvailable(status), 57);
}

TEST(MemoryStatus, noSwapStillReadsTheCommitLimit) {
    const auto status = memoryStatusFromMeminfo("MemTotal:  24683728 kB\n"
                                                "MemAvailable: 23373476 kB\n"
                                                "SwapTotal:        0 kB\n"
                                                "SwapFree:         0 kB\n"
                                                "CommitLimit:   12341864 kB\n"
                                                "Committed_AS:   1057904 kB");
    EXPECT_EQ(percentAvailable(status), 91);
}

TEST(MemoryStatus, overcommittedSystemHasNothingLeftRatherThanAHugeNumber) {
    const auto status = memoryStatusFromMeminfo("CommitLimit:  1000 kB\nCommitted_AS: 1500 kB\n");
    EXPECT_EQ(status.availablePageFile, 0u);
    EXPECT_EQ(percentAvailable(status), 0);
}

TEST(MemoryStatus, withoutACommitLimitRamAndSwapStandIn) {
    // CommitLimit missing (or zero) but memory figures given.
    const auto status = memoryStatusFromMeminfo("MemTotal: 1000 kB\nMemFree: 100 kB\n"
                                                "SwapTotal: 1000 kB\nSwapFree: 500 kB\n"
                                                "CommitLimit: 0 kB\nCommitted_AS: 10 kB\n");
    EXPECT_EQ(status.totalPageFile, 2000u * 1024);
    EXPECT_EQ(status.availablePageFile, 600u * 1024);
    EXPECT_EQ(percentAvailable(status), 30);
    // MemAvailable is preferred over MemFree where the kernel gives it.
    EXPECT_EQ(percentAvailable(memoryStatusFromMeminfo("MemTotal: 1000 kB\nMemFree: 100 kB\n"
                                                       "MemAvailable: 750 kB\n")),
              75);
}

TEST(MemoryStatus, emptyOrBrokenTextGivesZeroWithoutDividingByZero) {
    for (const char* text :
         {"", "garbage", "CommitLimit: kB\n", "SwapTotal: 0 kB\nSwapFree: 0 kB\n",
          "CommitLimitX: 5 kB\nCommitted_AS: 1 kB\n"}) {
        const auto status = memoryStatusFromMeminfo(text);
        EXPECT_EQ(status.totalPageFile, 0u) << text;
        EXPECT_EQ(percentAvailable(status), 0) << text;
    }
}

TEST(MemoryStatus, percentageRoundsToNearestAndStaysWithinRange) {
    EXPECT_EQ(percentAvailable({1000, 574}), 57);
    EXPECT_EQ(percentAvailable({1000, 575}), 58);
    EXPECT_EQ(percentAvailable({1000, 1000}), 100);
    EXPECT_EQ(percentAvailable({1000, 5000}), 100);
    EXPECT_EQ(percentAvailable({0, 5000}), 0);
    // No overflow for the largest figures.
    EXPECT_EQ(percentAvailable({~0ull, ~0ull / 2}), 50);
}

TEST(MemoryStatus, thisSystemReportsAUsableFigure) {
    const auto status = platform::currentMemoryStatus();
    EXPECT_GT(status.totalPageFile, 0u);
    const int percent = percentAvailable(status);
    EXPECT_GE(percent, 0);
    EXPECT_LE(percent, 100);
}
