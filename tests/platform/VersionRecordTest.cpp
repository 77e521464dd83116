#include "platform/VersionRecord.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using platform::VersionRecord;

namespace {

VersionRecord smallRecord() {
    VersionRecord r;
    r.fileVersion = {1, 2, 3, 4};
    r.productVersion = {5, 6, 7, 0x0102};
    r.translations = {{0x1009, 1252}};
    r.tables = {{0x1009, 1252, {{"FileVersion", "1.2"}, {"Comments", ""}}}};
    return r;
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

const std::string SmallRecordBytes =
    "PVR1" + bytes({1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 2, 1}) +
    bytes({1, 0, 0x09, 0x10, 0xE4, 0x04}) + bytes({1, 0, 0x09, 0x10, 0xE4, 0x04, 2, 0}) +
    bytes({11, 0}) + "FileVersion" + bytes({3, 0}) + "1.2" + bytes({8, 0}) + "Comments" +
    bytes({0, 0});

const std::string ProgramSource = "FILEVERSION 1.1.0.2\n"
                                  "PRODUCTVERSION 1.1.0.2\r\n"
                                  "# comment\n"
                                  "TRANSLATION 0x1009 1252\n"
                                  "\n"
                                  "CompanyName = Maker Ltd\n"
                                  "FileDescription =\n"
                                  "LegalCopyright = \xA9 2026 Maker = us\n";

} // namespace

TEST(VersionRecordFormat, encodesToExactBytesAndDecodesBack) {
    EXPECT_EQ(platform::encodeVersionRecord(smallRecord()), SmallRecordBytes);
    const auto decoded = platform::decodeVersionRecord(SmallRecordBytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->fileVersion, smallRecord().fileVersion);
    EXPECT_EQ(decoded->productVersion, smallRecord().productVersion);
    EXPECT_EQ(decoded->translations, smallRecord().translations);
    ASSERT_EQ(decoded->tables.size(), 1u);
    EXPECT_EQ(decoded->tables[0].entries, smallRecord().tables[0].entries);
}

TEST(VersionRecordFormat, rejectsEveryTruncationTrailingBytesAndAWrongMark) {
    for (std::size_t n = 0; n < SmallRecordBytes.size(); ++n)
        EXPECT_FALSE(platform::decodeVersionRecord(SmallRecordBytes.substr(0, n))) << n;
    EXPECT_FALSE(platform::decodeVersionRecord(SmallRecordBytes + '\0'));
    std::string wrongMark = SmallRecordBytes;
    wrongMark[3] = '2';
    EXPECT_FALSE(platform::decodeVersionRecord(wrongMark));
    // A count that promises more than the bytes hold.
    std::string overlong = SmallRecordBytes;
    overlong[20] = static_cast<char>(0xFF);
    EXPECT_FALSE(platform::decodeVersionRecord(overlong));
}

TEST(VersionRecordValues, readsTheFirstTranslationsTableInKeyOrder) {
    VersionRecord r = platform::parseVersionSource(ProgramSource);
    // A second translation and a table for it must not be the one read.
    r.translations.emplace_back(0x0409, 1200);
    r.tables.insert(r.tables.begin(), {0x0409, 1200, {{"CompanyName", "Wrong"}}});
    const auto values = platform::versionValues(r);
    EXPECT_EQ(values[0], "Maker Ltd");
    EXPECT_EQ(values[1], "");
    EXPECT_EQ(values[2], "") << "a value the table lacks reads as empty";
    EXPECT_EQ(values[4], "\xA9 2026 Maker = us");
    EXPECT_EQ(values[9], "");
}

TEST(VersionRecordValues, noRecordReadsValueNotAvailableAndAMissingTableReadsEmpty) {
    for (const std::string& v : platform::versionValues(std::nullopt))
        EXPECT_EQ(v, "Value Not Available");
    VersionRecord noTable = smallRecord();
    noTable.tables.clear();
    for (const std::string& v : platform::versionValues(noTable))
        EXPECT_EQ(v, "");
}

TEST(VersionSource, parsesVersionsTranslationAndValuesInOrder) {
    const VersionRecord r = platform::parseVersionSource(ProgramSource);
    EXPECT_EQ(r.fileVersion, (std::array<std::uint16_t, 4>{1, 1, 0, 2}));
    EXPECT_EQ(r.productVersion, (std::array<std::uint16_t, 4>{1, 1, 0, 2}));
    ASSERT_EQ(r.translations.size(), 1u);
    EXPECT_EQ(r.translations[0], (std::pair<std::uint16_t, std::uint16_t>{0x1009, 1252}));
    ASSERT_EQ(r.tables.size(), 1u);
    ASSERT_EQ(r.tables[0].entries.size(), 3u);
    EXPECT_EQ(r.tables[0].entries[1], (std::pair<std::string, std::string>{"FileDescription", ""}));
}

TEST(VersionSource, namesTheLineOfEveryMistake) {
    const auto errorOf = [](const std::string& text) {
        try {
            platform::parseVersionSource(text);
        } catch (const platform::EVersionSource& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    const std::string head = "FILEVERSION 1.1.0.2\nPRODUCTVERSION 1.1.0.2\n";
    EXPECT_NE(errorOf("FILEVERSION 1.1.0\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("FILEVERSION 1.1.0.70000\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf(head + "TRANSLATION 0x1009\n").find("line 3"), std::string::npos);
    EXPECT_NE(errorOf(head + "TRANSLATION 0x1009 1252\nA = 1\nA = 2\n").find("line 5"),
              std::string::npos);
    EXPECT_NE(errorOf(head + "TRANSLATION 0x1009 1252\nno equals sign\n").find("line 4"),
              std::string::npos);
    EXPECT_NE(errorOf(head + "A = 1\n").find("TRANSLATION"), std::string::npos);
}

TEST(VersionSource, resourceScriptCarriesTheSameRecord) {
    const std::string rc = platform::versionResourceScript(smallRecord());
    EXPECT_EQ(rc, "#pragma code_page(1252)\r\n1 VERSIONINFO\r\n"
                  "FILEVERSION 1,2,3,4\r\nPRODUCTVERSION 5,6,7,258\r\n"
                  "FILEOS 0x4\r\nFILETYPE 0x1\r\n{\r\n BLOCK \"StringFileInfo\"\r\n {\r\n"
                  "  BLOCK \"100904E4\"\r\n  {\r\n"
                  "   VALUE \"FileVersion\", \"1.2\\000\"\r\n"
                  "   VALUE \"Comments\", \"\\000\"\r\n  }\r\n }\r\n"
                  " BLOCK \"VarFileInfo\"\r\n {\r\n  VALUE \"Translation\", 0x1009, 1252\r\n"
                  " }\r\n}\r\n");
}

TEST(VersionRecordFile, theBuiltProgramCarriesItsRecord) {
    const auto record = platform::readVersionRecord(PROVENDO_EXE);
    ASSERT_TRUE(record) << "no version record in " << PROVENDO_EXE;
    EXPECT_EQ(record->fileVersion, (std::array<std::uint16_t, 4>{1, 1, 0, 2}));
    EXPECT_EQ(record->productVersion, (std::array<std::uint16_t, 4>{1, 1, 0, 2}));
    ASSERT_FALSE(record->translations.empty());
    EXPECT_EQ(record->translations[0], (std::pair<std::uint16_t, std::uint16_t>{0x1009, 1252}));
    const auto values = platform::versionValues(record);
    EXPECT_FALSE(values[0].empty());
    EXPECT_EQ(values[2], "1.1.0.2");
    EXPECT_NE(values[4].find('\xA9'), std::string::npos) << "Windows-1252 copyright sign";
    EXPECT_EQ(values[7], "Provendo");
    EXPECT_EQ(values[8], "1.0.0.0");
    for (std::size_t i : {1, 3, 5, 6, 9})
        EXPECT_EQ(values[i], "") << platform::VersionKeys[i];
}

TEST(VersionRecordFile, filesWithoutARecordReadValueNotAvailable) {
    TempAppDir dir;
    const std::string program = readBytes(PROVENDO_EXE);
    writeBytes(dir.file("text.txt"), "just text\r\n");
    writeBytes(dir.file("empty"), "");
    writeBytes(dir.file("head-only"), program.substr(0, 64));
    writeBytes(dir.file("half"), program.substr(0, program.size() / 2));
    // This test program is an executable built without a record.
    for (const std::string& path :
         {std::string("/proc/self/exe"), dir.file("text.txt"), dir.file("empty"),
          dir.file("head-only"), dir.file("half"), dir.file("missing")}) {
        EXPECT_FALSE(platform::readVersionRecord(path)) << path;
        EXPECT_EQ(platform::versionValues(platform::readVersionRecord(path))[2],
                  "Value Not Available");
    }
}
