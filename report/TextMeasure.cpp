#include "report/TextMeasure.h"

#include <QRegularExpression>
#include <cmath>

namespace report {

namespace {
constexpr int MeasureDpi = 1200;
}

QString ViewRows::value(std::size_t row, const QString& field) const {
    const qsizetype column = fields.indexOf(field);
    if (row >= rows.size() || column < 0 || column >= rows[row].size())
        return {};
    return rows[row][column];
}

FontMetricsMeasure::FontMetricsMeasure() : surface_(1, 1, QImage::Format_RGB32) {
    const int dotsPerMeter = static_cast<int>(std::lround(MeasureDpi / 0.0254));
    surface_.setDotsPerMeterX(dotsPerMeter);
    surface_.setDotsPerMeterY(dotsPerMeter);
}

QFont FontMetricsMeasure::qfont(const FontSpec& font) {
    QFont f(font.family);
    f.setPointSizeF(font.pointSize);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

const QFontMetricsF& FontMetricsMeasure::metrics(const FontSpec& font) const {
    for (const auto& [cachedFont, fm] : cache_)
        if (cachedFont == font)
            return *fm;
    cache_.emplace_back(font, std::make_unique<QFontMetricsF>(qfont(font), &surface_));
    return *cache_.back().second;
}

double FontMetricsMeasure::width(const FontSpec& font, const QString& text) const {
    return metrics(font).horizontalAdvance(text) * 1000.0 / MeasureDpi;
}

Mils FontMetricsMeasure::lineHeight(const FontSpec& font) const {
    return static_cast<Mils>(std::ceil(metrics(font).height() * 1000.0 / MeasureDpi));
}

QString cutToWidth(const TextMeasure& measure, const FontSpec& font, const QString& text,
                   double width) {
    if (measure.width(font, text) <= width)
        return text;
    // Widths grow with the length, so the longest fitting start is found by halving.
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype mid = fits + (tooLong - fits) / 2;
        if (measure.width(font, text.left(mid)) <= width)
            fits = mid;
        else
            tooLong = mid;
    }
    return text.left(fits);
}

namespace {

void wrapParagraph(const TextMeasure& measure, const FontSpec& font, const QString& paragraph,
                   double width, QStringList& lines) {
    QString line;
    for (QString word : paragraph.split(QLatin1Char(' '))) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (measure.width(font, candidate) <= width) {
            line = candidate;
            continue;
        }
        if (!line.isEmpty())
            lines.append(line);
        line.clear();
        while (measure.width(font, word) > width) {
            QString piece = cutToWidth(measure, font, word, width);
            if (piece.isEmpty())
                piece = word.left(1); // a line narrower than one character still advances
            lines.append(piece);
            word.remove(0, piece.size());
        }
        line = word;
    }
    lines.append(line);
}

} // namespace

QStringList wrapToWidth(const TextMeasure& measure, const FontSpec& font, const QString& text,
                        double width) {
    QStringList lines;
    if (text.isEmpty())
        return lines;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString& paragraph : text.split(lineBreak))
        wrapParagraph(measure, font, paragraph, width, lines);
    return lines;
}

} // namespace report
