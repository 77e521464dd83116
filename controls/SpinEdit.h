#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace controls {

// The quantity field: a whole number from MinValue to MaxValue typed or stepped.
// Its text is kept verbatim (a word from a list file shows unchanged) until the field
// loses the focus, when it is read as a number (1 if it is none), clamped and shown.
class SpinEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(int Value READ value WRITE setValue)
public:
    static constexpr int MinValue = 1;
    static constexpr int MaxValue = 100;

    explicit SpinEdit(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    int value() const;
    void setValue(int value);

    // Reads, clamps and rewrites the text, as on losing the focus.
    void normalise();
    // Whether a typed character may go in at the given position of the given text.
    static bool acceptsChar(QChar c, const QString& text, int position, int selectionLength);
    // The text read as a number: not a number reads as MinValue; then clamped.
    static int parseClamped(const QString& text);

    QLineEdit* editor() const { return edit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);

    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
    QString lastGood_;
};

} // namespace controls
