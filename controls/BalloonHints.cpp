#include "controls/BalloonHints.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWidget>

namespace controls {

class HintWindow : public QWidget {
public:
    HintWindow() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setObjectName(QStringLiteral("BalloonHintWindow"));
        setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    }

    void present(const QString& text, bool balloon, const QPoint& anchor) {
        text_ = text;
        balloon_ = balloon;
        setAccessibleName(text);
        const QFontMetrics fm(font());
        const int width =
            std::max(BalloonHints::CaptionWidth,
                     fm.boundingRect(QRect(0, 0, 400, 1000), Qt::TextWordWrap, text).width());
        const QRect textBox =
            fm.boundingRect(QRect(0, 0, width, 1000), Qt::AlignLeft | Qt::TextWordWrap, text);
        const int tail = balloon ? Tail : 0;
        resize(textBox.width() + 2 * Pad + 2, textBox.height() + 2 * Pad + tail + 2);
        // Tail at the upper right: the balloon hangs below and to the left of the pointer.
        QPoint topLeft = balloon ? anchor - QPoint(width - TailInset, -4) : anchor + QPoint(0, 20);
        if (const QScreen* screen = QApplication::screenAt(anchor)) {
            const QRect area = screen->availableGeometry();
            topLeft.setX(std::clamp(topLeft.x(), area.left(), area.right() - this->width()));
            topLeft.setY(std::clamp(topLeft.y(), area.top(), area.bottom() - this->height()));
        }
        move(topLeft);
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, balloon_);
        const QPalette& pal = QApplication::palette();
        const int tail = balloon_ ? Tail : 0;
        const QRectF body(0.5, tail + 0.5, width() - 1.0, height() - tail - 1.0);
        QPainterPath path;
        if (balloon_) {
            path.addRoundedRect(body, 6, 6);
            QPainterPath pointer;
            const qreal x = width() - TailInset;
            pointer.moveTo(x - 12, tail + 1);
            pointer.lineTo(x, 0.5);
            pointer.lineTo(x - 2, tail + 1);
            pointer.closeSubpath();
            path = path.united(pointer);
        } else {
            path.addRect(body);
        }
        p.fillPath(path, pal.color(QPalette::ToolTipBase));
        p.setPen(pal.color(QPalette::ToolTipText));
        p.drawPath(path);
        p.drawText(body.toRect().adjusted(Pad, Pad, -Pad, -Pad), Qt::AlignLeft | Qt::TextWordWrap,
                   text_);
    }

private:
    static constexpr int Pad = 5;
    static constexpr int Tail = 12;
    static constexpr int TailInset = 20;
    QString text_;
    bool balloon_ = true;
};

BalloonHints::BalloonHints(QObject* parent) : QObject(parent) {
    showTimer_.setSingleShot(true);
    hideTimer_.setSingleShot(true);
    connect(&showTimer_, &QTimer::timeout, this, [this] {
        if (pending_ && pending_->underMouse())
            showHint(pending_, QCursor::pos());
    });
    connect(&hideTimer_, &QTimer::timeout, this, &BalloonHints::hideHint);
    qApp->installEventFilter(this);
}

BalloonHints::~BalloonHints() {
    qApp->removeEventFilter(this);
    delete window_;
}

void BalloonHints::setShowBalloon(bool balloon) {
    balloon_ = balloon;
    hideHint();
}

QWidget* BalloonHints::visibleHint() const {
    return window_ && window_->isVisible() ? window_ : nullptr;
}

void BalloonHints::showHint(QWidget* control, const QPoint& globalPos) {
    if (!control || control->toolTip().isEmpty())
        return;
    if (!window_)
        window_ = new HintWindow;
    shownFor_ = control;
    window_->present(control->toolTip(), balloon_, globalPos);
    hideTimer_.start(5000);
}

void BalloonHints::hideHint() {
    showTimer_.stop();
    if (window_ && window_->isVisible()) {
        window_->hide();
        lastHiddenAt_ = QDateTime::currentMSecsSinceEpoch();
    }
    shownFor_ = nullptr;
}

bool BalloonHints::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        return true; // our own timer decides when a hint shows
    case QEvent::Enter:
        if (auto* w = qobject_cast<QWidget*>(watched); w && !w->toolTip().isEmpty()) {
            const bool moving = visibleHint() != nullptr ||
                                QDateTime::currentMSecsSinceEpoch() - lastHiddenAt_ < 300;
            hideHint();
            pending_ = w;
            showTimer_.start(moving ? ReshowPause : HidePause);
        }
        break;
    case QEvent::Leave:
        if (watched == pending_ || watched == shownFor_)
            hideHint();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::WindowDeactivate:
        if (visibleHint() || showTimer_.isActive())
            hideHint();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace controls
