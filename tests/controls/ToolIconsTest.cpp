#include "controls/ToolIcons.h"

#include <gtest/gtest.h>

namespace {

QImage picture(int index) {
    return controls::toolPicture(index, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(ToolIcons, eachButtonHasAPictureOfItsOwnAndAGreyHalfClearTwinForDisabled) {
    const int pictures[] = {0, 2, 4, 8, 10, 12};
    for (const int index : pictures) {
        const QImage normal = picture(index);
        const QImage disabled = picture(index + 1);
        int ink = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb shown = normal.pixel(x, y);
                const QRgb grey = disabled.pixel(x, y);
                ink += qAlpha(shown) > 0;
                ASSERT_EQ(qAlpha(grey) > 0, qAlpha(shown) > 1) << index << " at " << x << "," << y;
                ASSERT_LE(qAlpha(grey), 128) << index;
                ASSERT_TRUE(qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey)) << index;
            }
        }
        EXPECT_GT(ink, 40) << index;
        for (const int other : pictures) {
            if (other != index) {
                EXPECT_NE(normal, picture(other)) << index << " and " << other;
            }
        }
    }
}
