#include "controls/SpinEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace controls {

namespace {

bool isTypedText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 128)
            continue;
        if (i == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-')))
            continue;
        return false;
    }
    return true;
}

} // namespace

SpinEdit::SpinEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_, 1);
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedWidth(15);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        arrows->addWidget(b);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    // The text field is what the keyboard reaches; the field only ever holds a quantity.
    edit_->setAccessibleName(tr("Quantity"));
    up_->setAccessibleName(tr("Increase"));
    down_->setAccessibleName(tr("Decrease"));
    layout->addLayout(arrows);
    setFocusProxy(edit_);
    setFocusPolicy(Qt::StrongFocus);
    edit_->setText(QString::number(MinValue));
    lastGood_ = edit_->text();
    edit_->installEventFilter(this);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    // Pasting goes around the key filter; refuse what typing would have refused.
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (isTypedText(text)) {
            lastGood_ = text;
        } else {
            QApplication::beep();
            edit_->setText(lastGood_);
        }
    });
}

QString SpinEdit::text() const {
    return edit_->text();
}

void SpinEdit::setText(const QString& text) {
    edit_->setText(text);
    lastGood_ = text;
}

int SpinEdit::value() const {
    return parseClamped(edit_->text());
}

void SpinEdit::setValue(int value) {
    setText(QString::number(std::clamp(value, MinValue, MaxValue)));
}

void SpinEdit::normalise() {
    setValue(value());
}

bool SpinEdit::acceptsChar(QChar c, const QString& text, int position, int selectionLength) {
    if (c.isDigit() && c.unicode() < 128)
        return true;
    if (c != QLatin1Char('+') && c != QLatin1Char('-'))
        return false;
    if (position != 0)
        return false;
    const QString rest = text.mid(selectionLength);
    return !rest.startsWith(QLatin1Char('+')) && !rest.startsWith(QLatin1Char('-'));
}

int SpinEdit::parseClamped(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.at(0) == QLatin1Char('+') || text.at(0) == QLatin1Char('-'))) {
        negative = text.at(0) == QLatin1Char('-');
        i = 1;
    }
    if (i >= text.size())
        return MinValue;
    long long number = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!c.isDigit() || c.unicode() >= 128)
            return MinValue;
        number = std::min<long long>(number * 10 + (c.unicode() - '0'), 1'000'000'000LL);
    }
    if (negative)
        number = -number;
    return static_cast<int>(std::clamp<long long>(number, MinValue, MaxValue));
}

void SpinEdit::step(int delta) {
    setValue(value() + delta);
    edit_->selectAll();
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
            step(1);
            return true;
        case Qt::Key_Down:
            step(-1);
            return true;
        case Qt::Key_PageUp:
            step(10);
            return true;
        case Qt::Key_PageDown:
            step(-10);
            return true;
        default:
            break;
        }
        const QString typed = key->text();
        if (typed.size() == 1 && typed.at(0).isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const int position =
                edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
            const int selected = static_cast<int>(edit_->selectedText().size());
            if (!acceptsChar(typed.at(0), edit_->text(), position, selected)) {
                QApplication::beep();
                return true;
            }
        }
        break;
    }
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int notches = wheel->angleDelta().y() / 120;
        if (notches != 0)
            step(notches * ((wheel->modifiers() & Qt::ControlModifier) ? 10 : 1));
        return true;
    }
    case QEvent::FocusOut: {
        // Only a move of the focus to another control normalises, not a pop-up menu or
        // a switch to another window.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            normalise();
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace controls
