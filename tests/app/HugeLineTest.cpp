// A list whose lines are far longer than any window: opened, shown and closed without
// measuring or drawing more than fits, and kept whole.
#include "app/GlobalData.h"
#include "app/Main.h"
#include "app/ModalSeam.h"
#include "controls/CheckListBox.h"
#include "controls/PageControl.h"
#include "tests/support/TempDir.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

std::size_t hugeLength() {
    // HUGE_LINE_BYTES lets a profiling run try the sizes users reported.
    const QByteArray asked = qgetenv("HUGE_LINE_BYTES");
    return asked.isEmpty() ? 4'000'000 : asked.toULongLong();
}

} // namespace

TEST(HugeLines, openShowAndCloseKeepTheLinesWholeAndShowOnlyWhatFits) {
    TempAppDir dir;
    const std::string name = "Dairy" + std::string(hugeLength(), 'y');
    const std::string item = std::string(hugeLength(), 'x') + "\t3";
    std::string file = "//" + name + "\r\n" + item + "\r\nMilk\t2\r\n";
    for (const char* category :
         {"Meat", "Vegetables", "Fruits", "Grains", "Cans", "Drinks", "Freezer", "Baby", "Misc"})
        file += std::string("//") + category + "\r\n";
    const std::string path = dir.file("huge.slf");
    writeBytes(path, file);

    auto window = std::make_unique<TfrmMain>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ModalSeam::pushPath(QString::fromStdString(path));
    window->MainMenuFileOpenClick();
    window->repaint();
    window->page(0).list->viewport()->repaint();

    EXPECT_EQ(window->document().list(0).text(1), item);
    controls::CheckListBox* list = window->page(0).list;
    EXPECT_LE(list->model()->index(1, 0).data(Qt::DisplayRole).toString().size(),
              list->visibleTextLimit());
    controls::TabSheet* dairy = window->page(0).sheet;
    EXPECT_EQ(dairy->caption().size(), static_cast<qsizetype>(name.size()));
    const QString tab = window->pageControl()->tabText(0);
    EXPECT_TRUE(tab.startsWith(QStringLiteral("Dairyyy")));
    EXPECT_LT(tab.size(), 100'000);

    window->close();
    window.reset();
    GlobalData::gCurrentFile.clear();
    // The category names written on the way out hold the whole name.
    EXPECT_NE(readBytes(dir.file("Defaults.slf")).find(name + "\r\n"), std::string::npos);
}
