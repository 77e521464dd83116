#include "controls/Panels.h"

#include <QTest>
#include <gtest/gtest.h>

using controls::AutoSizeLabel;
using controls::GroovedToolBar;
using controls::StatusBorderPanel;

namespace {

const QColor Face(Qt::white);
const QColor Shadow(200, 0, 0);
const QColor Lit(0, 0, 200);

// A palette whose border colours cannot be mistaken for the background.
template <class W> void paintOn(W& widget) {
    QPalette pal = widget.palette();
    pal.setColor(QPalette::Window, Face);
    pal.setColor(QPalette::Button, Face);
    pal.setColor(QPalette::Mid, Shadow);
    pal.setColor(QPalette::Light, Lit);
    widget.setPalette(pal);
    widget.setAutoFillBackground(true);
    widget.resize(120, 30);
}

int inRow(const QImage& image, int y, const QColor& colour) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += image.pixelColor(x, y) == colour;
    return count;
}

int inColumn(const QImage& image, int x, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += image.pixelColor(x, y) == colour;
    return count;
}

} // namespace

TEST(Panels, theStatusPanelHasItsBorderOnTheLeftAndTopOnly) {
    StatusBorderPanel panel;
    paintOn(panel);
    panel.setFrameShape(QFrame::NoFrame);
    const QImage image = panel.grab().toImage();
    EXPECT_EQ(inRow(image, 0, Shadow), image.width());
    EXPECT_EQ(inColumn(image, 0, Shadow), image.height());
    EXPECT_EQ(inRow(image, image.height() - 1, Shadow), 1);
    EXPECT_EQ(inColumn(image, image.width() - 1, Shadow), 1);
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), Face);
}

TEST(Panels, theToolBarHasAGrooveAlongItsTop) {
    GroovedToolBar bar;
    paintOn(bar);
    const QImage image = bar.grab().toImage();
    EXPECT_EQ(inRow(image, 0, Shadow), image.width());
    EXPECT_EQ(inRow(image, 1, Lit), image.width());
    EXPECT_EQ(inRow(image, image.height() - 1, Shadow), 0);
}

TEST(Panels, aLabelTakesTheSizeOfItsTextWhenShownAndWhenItsFontChanges) {
    QWidget page;
    page.resize(600, 200);
    auto* label = new AutoSizeLabel(
        QStringLiteral("Add extra notes to list here: (Ex: \"Don't forget to gas up the car !)"),
        &page);
    // A designed size that the text has since outgrown.
    label->setGeometry(32, 16, 50, 10);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    EXPECT_EQ(label->size(), label->sizeHint());
    EXPECT_GT(label->width(), label->fontMetrics().horizontalAdvance(label->text()));

    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 6);
    label->setFont(bold);
    EXPECT_EQ(label->size(), label->sizeHint());
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
}
