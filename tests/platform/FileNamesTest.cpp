#include "platform/FileNames.h"
#include "platform/ReplaceFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A path with letters beyond ASCII names the same file through the system's calls as
// through Qt's, both ways.
TEST(FileNames, aNonAsciiPathNamesTheSameFileForTheSystemAndForQt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Einkäufe für Łódź.pdf"));

    platform::replaceFile(platform::fileName(path), "%PDF");
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "%PDF");

    EXPECT_EQ(platform::qtPath(platform::fileName(path)), path);
#ifndef Q_OS_WIN
    EXPECT_EQ(platform::fileName(QStringLiteral("/a/ä")), "/a/\xc3\xa4");
    EXPECT_EQ(platform::qtPath("/a/\xc3\xa4"), QStringLiteral("/a/ä"));
#endif
}
