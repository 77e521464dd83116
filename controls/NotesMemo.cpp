#include "controls/NotesMemo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace controls {

NotesMemo::NotesMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

int NotesMemo::crlfLength(const QString& plain) {
    return static_cast<int>(plain.size() + plain.count(QLatin1Char('\n')));
}

QString NotesMemo::crlfText() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void NotesMemo::setCrlfText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(plain);
}

int NotesMemo::roomFor(int removedBySelection) const {
    return maxLength_ - crlfLength(toPlainText()) + removedBySelection;
}

void NotesMemo::keyPressEvent(QKeyEvent* event) {
    QString typed = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        typed = QStringLiteral("\n");
    const bool inserts = !typed.isEmpty() &&
                         (typed.at(0).isPrint() || typed == QLatin1String("\n")) &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (inserts) {
        const int selected = crlfLength(
            textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
        if (crlfLength(typed) > roomFor(selected)) {
            QApplication::beep();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NotesMemo::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const int selected = crlfLength(
        textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    int room = roomFor(selected);
    QString fitting;
    for (QChar c : text) {
        const int cost = c == QLatin1Char('\n') ? 2 : 1;
        if (cost > room)
            break;
        fitting += c;
        room -= cost;
    }
    if (fitting.size() < text.size())
        QApplication::beep();
    textCursor().insertText(fitting);
}

} // namespace controls
