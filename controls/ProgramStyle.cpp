#include "controls/ProgramStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace controls {

namespace {

// A double chevron pointing right (horizontal bars) or down (vertical ones), painted
// at whatever size is asked for.
class OverflowArrow : public QIconEngine {
public:
    explicit OverflowArrow(Qt::Orientation orientation) : orientation_(orientation) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        const QColor colour = mode == QIcon::Disabled ? QColor(160, 160, 160) : QColor(60, 60, 60);
        const qreal w = std::min(rect.width(), rect.height());
        painter->setPen(
            QPen(colour, std::max(1.0, w / 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->translate(QRectF(rect).center());
        if (orientation_ == Qt::Vertical)
            painter->rotate(90);
        // Two chevrons, each 0.2 of the size deep and 0.6 high, 0.25 apart.
        const qreal depth = 0.2 * w;
        const qreal half = 0.3 * w;
        const qreal gap = 0.25 * w;
        for (const qreal left : {-(depth + gap) / 2, (gap - depth) / 2}) {
            QPainterPath chevron;
            chevron.moveTo(left, -half);
            chevron.lineTo(left + depth, 0);
            chevron.lineTo(left, half);
            painter->drawPath(chevron);
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new OverflowArrow(orientation_); }

private:
    Qt::Orientation orientation_;
};

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new OverflowArrow(Qt::Horizontal));
    if (icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new OverflowArrow(Qt::Vertical));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(option->palette.color(QPalette::WindowText), 1, Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*option);
    focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
    drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
}

} // namespace controls
