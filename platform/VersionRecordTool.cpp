// Build step: turns the version source into the record that is embedded into the
// executable (or, with --rc, into a Windows resource script).
#include "platform/FileNames.h"
#include "platform/ReplaceFile.h"
#include "platform/TextCodec.h"
#include "platform/VersionRecord.h"

#include <QFile>
#include <QString>
#include <cstdio>
#include <cstring>
#include <exception>

int main(int argc, char** argv) {
    const bool resourceScript = argc == 4 && std::strcmp(argv[1], "--rc") == 0;
    if (argc != 3 && !resourceScript) {
        std::fprintf(stderr, "usage: %s [--rc] <version source> <output file>\n", argv[0]);
        return 1;
    }
    const char* sourcePath = argv[argc - 2];
    const char* outputPath = argv[argc - 1];
    QFile source(platform::qtPath(sourcePath));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], sourcePath);
        return 1;
    }
    try {
        // The source is UTF-8; the record keeps its text as Windows-1252.
        const std::string text = platform::fromQString(QString::fromUtf8(source.readAll()));
        const platform::VersionRecord record = platform::parseVersionSource(text);
        platform::replaceFile(outputPath, resourceScript ? platform::versionResourceScript(record)
                                                         : platform::encodeVersionRecord(record));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
