#include "controls/TabbedText.h"

#include "model/TabStops.h"

#include <QPainter>
#include <QRect>

namespace controls {

int averageCharWidth(const QFontMetrics& metrics) {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return std::max(1, model::averageCharWidth(metrics.horizontalAdvance(letters)));
}

std::vector<TabbedRun> layoutTabbedText(const QString& text, const std::vector<int>& stops,
                                        const QFontMetrics& metrics) {
    const int average = averageCharWidth(metrics);
    std::vector<TabbedRun> runs;
    const QStringList pieces = text.split(QLatin1Char('\t'));
    int x = 0;
    std::size_t nextStop = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QString& piece = pieces.at(i);
        const int width = metrics.horizontalAdvance(piece);
        if (i > 0) {
            // Skip stops that lie behind the pen, as a typewriter would.
            int stop = 0;
            bool found = false;
            while (nextStop < stops.size()) {
                stop = stops[nextStop++];
                const int px = std::abs(stop) * average;
                if ((stop >= 0 && px > x) || (stop < 0 && px - width > x)) {
                    found = true;
                    break;
                }
            }
            if (found) {
                x = stop >= 0 ? std::abs(stop) * average : std::abs(stop) * average - width;
            } else {
                const int step = 8 * average;
                x = (x / step + 1) * step;
            }
        }
        runs.push_back({x, piece});
        x += width;
    }
    return runs;
}

void drawTabbedText(QPainter& painter, const QRect& rect, const QString& text,
                    const std::vector<int>& stops) {
    const QFontMetrics metrics = painter.fontMetrics();
    for (const TabbedRun& run : layoutTabbedText(text, stops, metrics)) {
        if (run.x >= rect.width())
            break;
        const QRect runRect(rect.left() + run.x, rect.top(), rect.width() - run.x, rect.height());
        painter.drawText(runRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, run.text);
    }
}

} // namespace controls
