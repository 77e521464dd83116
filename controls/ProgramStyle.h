#pragma once

#include <QProxyStyle>

namespace controls {

// The desktop's own style, with the overflow arrows of menu and tool bars drawn here.
// The style would load them as pictures when each bar is made, and reading the first
// picture file loads every image-format plugin, a cost at start-up for two arrows that
// only show when the window is too narrow for its bars.
// Focus shows as a dotted frame: the desktop style draws it only faintly, and not at all
// on a default button, whose outline already looks like a focused one.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace controls
