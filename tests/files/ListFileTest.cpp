#include "files/ListFile.h"
#include "model/ListError.h"
#include "platform/Errors.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using files::groupListLines;
using files::splitLines;
using Lines = std::vector<std::string>;
using Views = std::vector<std::string_view>;

TEST(ListFileWriting, oneItemListGivesTheElevenLinesEachEndedByCrLf) {
    model::Document document;
    document.list(0).append("Milk\t2");
    document.list(0).setTicked(1, true);
    document.setNotes("not saved");
    EXPECT_EQ(files::listFileBytes(document),
              "//Dairy\r\nMilk\t2\r\n//Meat\r\n//Vegetables\r\n//Fruits\r\n//Grains\r\n"
              "//Cans\r\n//Drinks\r\n//Freezer\r\n//Baby\r\n//Misc\r\n");
}

TEST(ListFileWriting, everyByteIsWrittenUnchangedAndReadBackTheSame) {
    model::Document document;
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all += static_cast<char>(b);
    document.list(4).append(all);
    TempAppDir dir;
    const std::string path = dir.file("bytes.slf");
    files::SaveListFile(document, path);
    EXPECT_EQ(readBytes(path), files::listFileBytes(document));
    const std::string bytes = readBytes(path);
    const auto groups = groupListLines(bytes);
    ASSERT_EQ(groups.size(), 10u);
    // The line holds "//" (bytes 0x2F 0x2F are not adjacent here), so it stays an item.
    EXPECT_EQ(groups[4].lines(), Views({"//Grains", all}));
}

TEST(ListFileWriting, failedWriteKeepsTheOldFileAndNamesThePath) {
    TempAppDir dir;
    const std::string path = dir.file("kept.slf");
    writeBytes(path, "//Dairy\r\nMilk\t2\r\n");
    ::chmod(path.c_str(), 0444);
    model::Document document;
    try {
        files::SaveListFile(document, path);
        FAIL();
    } catch (const platform::EFileError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"" + path + "\". ", 0), 0u);
    }
    EXPECT_EQ(readBytes(path), "//Dairy\r\nMilk\t2\r\n");
}

TEST(ListFileReading, everyLineEndFormReadsTheSame) {
    const Lines expected{"//Dairy", "Milk\t2", "", "//Meat"};
    EXPECT_EQ(splitLines("//Dairy\r\nMilk\t2\r\n\r\n//Meat\r\n"), expected);
    EXPECT_EQ(splitLines("//Dairy\nMilk\t2\n\n//Meat\n"), expected);
    EXPECT_EQ(splitLines("//Dairy\rMilk\t2\r\r//Meat\r"), expected);
    EXPECT_EQ(splitLines("//Dairy\r\nMilk\t2\n\r//Meat"), expected);
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("\r\n"), Lines{""});
    EXPECT_EQ(splitLines("\n\r"), Lines({"", ""}));
}

TEST(ListFileReading, stopsAtTheFirstNulByte) {
    EXPECT_EQ(splitLines(std::string("//Dairy\r\nMi\0lk\r\n//Meat\r\n", 22)),
              Lines({"//Dairy", "Mi"}));
    EXPECT_EQ(splitLines(std::string("\0//Dairy", 8)), Lines{});
}

TEST(ListFileReading, unreadableFileNamesThePathAndTheReason) {
    TempAppDir dir;
    const std::string path = dir.file("gone.slf");
    try {
        files::readFileBytes(path);
        FAIL();
    } catch (const platform::EFileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file \"" + path + "\". No such file or directory");
    }
    EXPECT_THROW(files::readFileBytes(dir.path()), platform::EFileError);
}

TEST(ListFileGroups, anyLaterLineHoldingSlashesOpensAGroup) {
    const auto groups = groupListLines("Bread\t1\r\nMilk\t2\r\nwww.x.com//a\t1\r\n//\r\n"
                                       "//  Dairy  \r\n\r\n");
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0].lines(), Views({"Bread\t1", "Milk\t2"}));
    EXPECT_EQ(groups[1].lines(), Views({"www.x.com//a\t1"}));
    EXPECT_EQ(groups[2].lines(), Views({"//"}));
    EXPECT_EQ(groups[3].lines(), Views({"//  Dairy  ", ""}));
    EXPECT_TRUE(groupListLines("").empty());
}

TEST(ListFileGroups, groupsCountTheirLinesAndFillAListWithExactlyThoseLines) {
    // Every line end form, an empty line and a group ending in a lone CR before LF CR.
    using namespace std::string_literals;
    const std::string bytes =
        "//Dairy\r\nMilk\t2\n\nEggs\t12\r//Meat\n\rHam\t1\r\n//Fruits\r\nFig\t3\0//Not read\r\n"s;
    const auto groups = groupListLines(bytes);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].lines(), Views({"//Dairy", "Milk\t2", "", "Eggs\t12"}));
    EXPECT_EQ(groups[1].lines(), Views({"//Meat", "", "Ham\t1"}));
    EXPECT_EQ(groups[2].lines(), Views({"//Fruits", "Fig\t3"}));
    const std::size_t counts[] = {4, 3, 2};
    const std::size_t textBytes[] = {20, 11, 13};
    for (std::size_t k = 0; k < groups.size(); ++k) {
        EXPECT_EQ(groups[k].lineCount(), counts[k]) << k;
        EXPECT_EQ(groups[k].textBytes(), textBytes[k]) << k;
        EXPECT_EQ(groups[k].firstLine(), groups[k].lines().front()) << k;
    }

    model::CategoryList list;
    list.append("//Old");
    list.setAllTicked(true);
    files::assignGroup(list, groups[1]);
    ASSERT_EQ(list.count(), 3u);
    EXPECT_EQ(list.text(0), "//Meat");
    EXPECT_EQ(list.text(1), "");
    EXPECT_EQ(list.text(2), "Ham\t1");
    EXPECT_FALSE(list.ticked(0));
}

TEST(ListFileGroups, elevenGroupsFitButATwelfthIsRefusedWhole) {
    std::string eleven;
    for (int i = 0; i < 11; ++i)
        eleven += "//G" + std::to_string(i) + "\r\nitem\t1\r\n";
    EXPECT_EQ(groupListLines(eleven).size(), 11u);
    try {
        const std::string twelve = eleven + "//Twelve\r\n";
        groupListLines(twelve);
        FAIL();
    } catch (const model::EListError& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (11)");
    }
}

TEST(ListFileGroups, longLinesAndBinaryGarbageNeverCrash) {
    const std::string megabyte(1 << 20, 'x');
    const std::string twoGroups = megabyte + "\r\n//Meat\r\n";
    const auto one = groupListLines(twoGroups);
    ASSERT_EQ(one.size(), 2u);
    EXPECT_EQ(one[0].firstLine().size(), megabyte.size());

    std::string garbage;
    unsigned seed = 12345;
    for (int i = 0; i < 100000; ++i) {
        seed = seed * 1103515245 + 12345;
        garbage += static_cast<char>((seed >> 16) & 0xFF);
    }
    try {
        const auto groups = groupListLines(garbage);
        EXPECT_LE(groups.size(), static_cast<std::size_t>(model::PageCount));
    } catch (const model::EListError&) {
        SUCCEED(); // more groups than pages: refused, not half-read
    }
}

// The line splitter looks at several bytes at once; it must agree with the plain rule at
// every position and next to bytes that differ from CR or LF in one bit.
TEST(ListFileReading, lineEndsAreFoundAtEveryPositionAndNextToLookalikeBytes) {
    const auto reference = [](std::string_view bytes) {
        Lines lines;
        std::string line;
        bool open = false;
        for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\0'; ++i) {
            const char c = bytes[i];
            if (c == '\r' || c == '\n') {
                lines.push_back(line);
                line.clear();
                open = false;
                if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    ++i;
            } else {
                line += c;
                open = true;
            }
        }
        if (open)
            lines.push_back(line);
        return lines;
    };
    const char alphabet[] = {'\r',   '\n',   'a',    '\x8d', '\x8a', '\x0c',        '\x0e',
                             '\x0b', '\xff', '\x01', '/',    '\x09', '\x0d' ^ 0x20, '\x0a' ^ 0x40};
    unsigned seed = 99;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const std::size_t length = round % 70;
        for (std::size_t i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            // Mostly ordinary bytes, so that lines of every length come up.
            const unsigned pick = (seed >> 8) % 40;
            bytes += pick < sizeof alphabet ? alphabet[pick] : static_cast<char>('b' + pick % 20);
        }
        ASSERT_EQ(splitLines(bytes), reference(bytes)) << "round " << round;
    }
}
