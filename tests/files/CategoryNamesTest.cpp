#include "files/CategoryNames.h"
#include "model/ListError.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

TEST(CategoryNames, writesLineZeroOfEachListOnePerList) {
    model::Document document;
    document.list(0).append("Milk\t2");
    document.list(3).replaceText(0, "//Berries");
    document.list(9).clear();
    EXPECT_EQ(files::categoryNamesBytes(document),
              "//Dairy\r\n//Meat\r\n//Vegetables\r\n//Berries\r\n//Grains\r\n//Cans\r\n"
              "//Drinks\r\n//Freezer\r\n//Baby\r\n\r\n");
}

TEST(CategoryNames, readingResetsTheFirstListsOnlyAndTakesLinesAsTheyAre) {
    TempAppDir dir;
    const std::string path = dir.file("Defaults.slf");
    model::Document document;
    document.list(0).append("Milk\t2");
    document.list(2).append("Leeks\t1");
    writeBytes(path, "//Milchprodukte\nno marker\n");
    files::LoadCategoryNames(document, path);
    EXPECT_EQ(document.list(0).lines().size(), 1u);
    EXPECT_EQ(document.list(0).text(0), "//Milchprodukte");
    EXPECT_EQ(document.list(1).text(0), "no marker");
    EXPECT_EQ(document.list(2).count(), 2u);
}

TEST(CategoryNames, missingOrEmptyFileChangesNothing) {
    TempAppDir dir;
    model::Document document;
    files::LoadCategoryNames(document, dir.file("Defaults.slf"));
    writeBytes(dir.file("empty.slf"), "");
    files::LoadCategoryNames(document, dir.file("empty.slf"));
    EXPECT_EQ(files::categoryNamesBytes(document),
              "//Dairy\r\n//Meat\r\n//Vegetables\r\n//Fruits\r\n//Grains\r\n//Cans\r\n"
              "//Drinks\r\n//Freezer\r\n//Baby\r\n//Misc\r\n");
}

TEST(CategoryNames, anEleventhLineIsIgnoredATwelfthIsAnErrorAfterTheReset) {
    TempAppDir dir;
    const std::string path = dir.file("Defaults.slf");
    std::string lines;
    for (int i = 0; i < 11; ++i)
        lines += "//N" + std::to_string(i) + "\r\n";
    writeBytes(path, lines);
    model::Document document;
    files::LoadCategoryNames(document, path);
    EXPECT_EQ(document.list(9).text(0), "//N9");

    writeBytes(path, lines + "//N11\r\n");
    model::Document other;
    EXPECT_THROW(files::LoadCategoryNames(other, path), model::EListError);
    EXPECT_EQ(other.list(9).text(0), "//N9");
}

TEST(CategoryNames, roundTripThroughTheFile) {
    TempAppDir dir;
    const std::string path = dir.file("Defaults.slf");
    model::Document written;
    written.list(5).replaceText(0, "//  Tins \xE9");
    files::SaveCategoryNames(written, path);
    model::Document read;
    files::LoadCategoryNames(read, path);
    EXPECT_EQ(files::categoryNamesBytes(read), files::categoryNamesBytes(written));
}
