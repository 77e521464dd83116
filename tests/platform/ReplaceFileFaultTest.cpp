#include "platform/ReplaceFile.h"
#include "tests/support/TempDir.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A list of a quarter megabyte whose every version differs in every byte from the one before.
std::string version(int n) {
    std::string text = "version " + std::to_string(n) + "\r\n";
    text.resize(1 << 18, static_cast<char>('a' + n % 26));
    return text + "end\r\n";
}

int filesIn(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

} // namespace

TEST(ReplaceFileFaults, aSaveKilledAtAnyMomentLeavesTheOldOrTheNewFileAndTheNextSaveTidiesUp) {
    TempAppDir dir;
    const std::string path = dir.file("list.slf");
    platform::replaceFile(path, version(0));
    // The kills spread over the time one save takes on this machine.
    const auto started = std::chrono::steady_clock::now();
    platform::replaceFile(path, version(1));
    const auto saveTime = std::chrono::steady_clock::now() - started;
    const auto seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count() * 3 / 2 + 50);

    int current = 1;
    int leftBehind = 0;
    for (int round = 0; round < 60; ++round) {
        const std::string next = version(current + 1);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            platform::tryReplaceFile(path, next);
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);

        const std::string now = readBytes(path);
        if (now == next)
            ++current;
        else
            ASSERT_TRUE(now == version(current))
                << "round " << round << ": a damaged file of " << now.size() << " bytes";
        if (filesIn(dir.path()) > 1)
            ++leftBehind;
    }
    EXPECT_GT(leftBehind, 0) << "no kill came while a save was writing";

    platform::replaceFile(path, version(current + 1));
    EXPECT_EQ(filesIn(dir.path()), 1) << "a temporary file outlived the next save";
    EXPECT_TRUE(readBytes(path) == version(current + 1));
}
