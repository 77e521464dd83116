// On a scaled screen each picture is drawn for its device pixels, not enlarged from the
// 16- or 32-pixel one.
#include "controls/ProgramIcon.h"
#include "controls/ToolIcons.h"

#include <gtest/gtest.h>

namespace {

QImage plain(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace

TEST(ScaledPictures, toolButtonsAt150And200PercentAreDrawnAtThatSize) {
    const QIcon icon = controls::toolIcon(4, 5);
    for (qreal scale : {1.5, 2.0}) {
        const QPixmap shown = icon.pixmap(QSize(16, 16), scale);
        const int device = static_cast<int>(16 * scale);
        ASSERT_EQ(shown.size(), QSize(device, device)) << scale;
        EXPECT_EQ(plain(shown), plain(controls::toolPicture(4, device))) << scale;
    }
    const QPixmap disabled = icon.pixmap(QSize(16, 16), 2.0, QIcon::Disabled);
    EXPECT_EQ(plain(disabled), plain(controls::toolPicture(5, 32)));
}

TEST(ScaledPictures, theProgramsPictureAt200PercentIsDrawnAt64Pixels) {
    const QPixmap shown = controls::programIcon().pixmap(QSize(32, 32), 2.0);
    ASSERT_EQ(shown.size(), QSize(64, 64));
    EXPECT_EQ(plain(shown), plain(controls::programPicture(64)));
}
