#include "platform/ElfSection.h"
#include "platform/FileNames.h"
#include "platform/VersionRecord.h"

#include <QCoreApplication>

namespace platform {

namespace {
// A record this large is not one the build wrote.
constexpr std::size_t MaxRecordSize = 64 * 1024;
} // namespace

std::optional<VersionRecord> readVersionRecord(const std::string& path) {
    const auto bytes = readElfSection(path, VersionSectionName, MaxRecordSize);
    if (!bytes)
        return std::nullopt;
    return decodeVersionRecord(*bytes);
}

std::optional<VersionRecord> ownVersionRecord() {
    if (QCoreApplication::instance())
        return readVersionRecord(fileName(QCoreApplication::applicationFilePath()));
    return readVersionRecord("/proc/self/exe");
}

} // namespace platform
