#pragma once

#include "report/ReportDefinition.h"

#include <QFontMetricsF>
#include <QImage>
#include <memory>
#include <vector>

namespace report {

// How wide a text is and how far apart its lines are, in thousandths of an inch. Layout
// only measures through this, so tests can substitute exact widths.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual double width(const FontSpec& font, const QString& text) const = 0;
    virtual Mils lineHeight(const FontSpec& font) const = 0;
};

// The font as painted: measured on a 1200 dots-per-inch surface without hinting, so the
// widths do not depend on the screen the program happens to run on.
class FontMetricsMeasure : public TextMeasure {
public:
    FontMetricsMeasure();
    double width(const FontSpec& font, const QString& text) const override;
    Mils lineHeight(const FontSpec& font) const override;

    // The font as the painter uses it on any device.
    static QFont qfont(const FontSpec& font);

private:
    const QFontMetricsF& metrics(const FontSpec& font) const;

    QImage surface_;
    mutable std::vector<std::pair<FontSpec, std::unique_ptr<QFontMetricsF>>> cache_;
};

// The longest start of text that fits width.
QString cutToWidth(const TextMeasure& measure, const FontSpec& font, const QString& text,
                   double width);

// Breaks text into lines no wider than width: the text's own line breaks (CR LF, CR or
// LF) are kept, lines break between words, and a word wider than a line is broken
// between characters.
QStringList wrapToWidth(const TextMeasure& measure, const FontSpec& font, const QString& text,
                        double width);

} // namespace report
