// Opens a list file the way File > Open does (read, group, fill the ten lists) and says
// how many lines it read and how long that took; bench/open-memory.sh runs it under
// /usr/bin/time -v for the peak memory. "--make LINES PATH" writes a list to open first.
#include "files/ListFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Ten categories of equal size, each item "Item no. NNNNNNN" with quantity 1 (20 bytes a line).
int make(long long lines, const char* path) {
    static const char* const names[] = {"Dairy", "Meat",   "Vegetables", "Fruits", "Grains",
                                        "Cans",  "Drinks", "Freezer",    "Baby",   "Misc"};
    std::ofstream out(path, std::ios::binary);
    const long long perList = lines / 10;
    std::string chunk;
    for (int c = 0; c < 10; ++c) {
        chunk += std::string("//") + names[c] + "\r\n";
        for (long long i = 1; i < perList; ++i) {
            chunk += "Item no. " + std::to_string(1000000 + i) + "\t1\r\n";
            if (chunk.size() > (1 << 20)) {
                out << chunk;
                chunk.clear();
            }
        }
    }
    out << chunk;
    return out ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--make")
        return make(std::atoll(argv[2]), argv[3]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LIST.slf | --make LINES LIST.slf\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    model::Document document;
    {
        const std::string bytes = files::readFileBytes(argv[1]);
        const files::ListGroups groups = files::groupListLines(bytes);
        for (std::size_t k = 0; k < groups.size() && k < model::CategoryCount; ++k)
            files::assignGroup(document.list(static_cast<int>(k)), groups[k]);
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::size_t lines = 0;
    for (int c = 0; c < model::CategoryCount; ++c)
        lines += document.list(c).count();
    std::printf("lines %zu\nopen_ms %.0f\n", lines, took.count());
    return 0;
}
