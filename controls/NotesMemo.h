#pragma once

#include <QPlainTextEdit>

namespace controls {

// A multi-line text of at most MaxLength characters, a line break counting as the two
// characters CR LF that the text is kept with; typing or pasting past the limit is refused.
class NotesMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit NotesMemo(QWidget* parent = nullptr);

    int maxLength() const { return maxLength_; }
    void setMaxLength(int length) { maxLength_ = length; }
    // The text with CR LF between lines.
    QString crlfText() const;
    void setCrlfText(const QString& text);
    static int crlfLength(const QString& plain);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int roomFor(int removedBySelection) const;

    int maxLength_ = 255;
};

} // namespace controls
