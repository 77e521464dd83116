#pragma once

#include <QFontMetrics>
#include <QString>
#include <vector>

class QPainter;
class QRect;

namespace controls {

// Average character width of a font: the width of the 52 letters A-Z and a-z over 52,
// rounded half to even.
int averageCharWidth(const QFontMetrics& metrics);

// One piece of a tabbed line: where it starts (pixels from the line's start) and what it says.
struct TabbedRun {
    int x;
    QString text;
};

// Expands TABs at stops given in average character widths; a negative stop right-aligns
// the following text at its absolute value. Past the last stop, TABs advance to the next
// multiple of eight average widths.
std::vector<TabbedRun> layoutTabbedText(const QString& text, const std::vector<int>& stops,
                                        const QFontMetrics& metrics);

void drawTabbedText(QPainter& painter, const QRect& rect, const QString& text,
                    const std::vector<int>& stops);

} // namespace controls
