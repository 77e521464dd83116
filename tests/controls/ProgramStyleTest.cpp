#include "controls/ProgramStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <gtest/gtest.h>

using controls::ProgramStyle;

namespace {

// The smallest rectangle holding every pixel that is not fully transparent.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

TEST(ProgramStyle, focusIsADottedFrameOnTheEdgeOfItsRectangle) {
    ProgramStyle style;
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QStyleOptionFocusRect focus;
    focus.rect = QRect(5, 5, 30, 10);
    focus.palette.setColor(QPalette::WindowText, Qt::black);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        style.drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter);
    }
    int top = 0;
    int left = 0;
    int right = 0;
    int bottom = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == qRgb(255, 255, 255))
                continue;
            ASSERT_EQ(pixel, qRgb(0, 0, 0)) << x << "," << y;
            ASSERT_TRUE(focus.rect.contains(x, y)) << x << "," << y;
            top += y == focus.rect.top();
            bottom += y == focus.rect.bottom();
            left += x == focus.rect.left();
            right += x == focus.rect.right();
            ASSERT_TRUE(y == focus.rect.top() || y == focus.rect.bottom() ||
                        x == focus.rect.left() || x == focus.rect.right())
                << x << "," << y;
        }
    }
    // Dotted: about every other pixel of each edge.
    for (const int edge : {top, bottom})
        EXPECT_TRUE(edge >= 10 && edge <= 20) << edge;
    for (const int edge : {left, right})
        EXPECT_TRUE(edge >= 3 && edge <= 7) << edge;
}

TEST(ProgramStyle, overflowArrowsPointAlongTheirBarAndGreyOutWhenDisabled) {
    ProgramStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    const QIcon across = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon down = style.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton);
    const QImage acrossImage = across.pixmap(32, 32).toImage();
    const QImage downImage = down.pixmap(32, 32).toImage();
    const QRect acrossInk = inkBounds(acrossImage);
    const QRect downInk = inkBounds(downImage);
    ASSERT_FALSE(acrossInk.isEmpty());
    ASSERT_FALSE(downInk.isEmpty());
    // Two chevrons side by side are taller than wide; one above the other, wider than tall.
    EXPECT_GT(acrossInk.height(), acrossInk.width());
    EXPECT_GT(downInk.width(), downInk.height());

    const QImage disabled = across.pixmap(32, 32, QIcon::Disabled).toImage();
    int darker = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (qAlpha(acrossImage.pixel(x, y)) == 255 && qAlpha(disabled.pixel(x, y)) == 255)
                darker += qGray(acrossImage.pixel(x, y)) < qGray(disabled.pixel(x, y));
    EXPECT_GT(darker, 10);
}
