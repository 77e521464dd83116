#include "settings/PBinary.h"

#include "platform/TextCodec.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace pbinary {

void putInt32(std::string& out, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void putInt16(std::string& out, std::int16_t value) {
    const auto v = static_cast<std::uint16_t>(value);
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

std::string toExtended(double value) {
    std::uint64_t mantissa = 0;
    std::uint16_t exponent = 0;
    const bool negative = std::signbit(value);
    if (std::isnan(value)) {
        // The double's payload goes below the integer bit, its quiet bit included.
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ULL | ((bits & 0xFFFFFFFFFFFFFULL) << 11);
    } else if (std::isinf(value)) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ULL;
    } else if (value != 0) {
        int e = 0;
        const double m = std::frexp(std::fabs(value), &e); // 0.5 <= m < 1, exact
        mantissa = static_cast<std::uint64_t>(std::ldexp(m, 64));
        exponent = static_cast<std::uint16_t>(e - 1 + 16383);
    }
    std::string out;
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((mantissa >> (8 * i)) & 0xFF));
    const std::uint16_t top = static_cast<std::uint16_t>(exponent | (negative ? 0x8000 : 0));
    out.push_back(static_cast<char>(top & 0xFF));
    out.push_back(static_cast<char>(top >> 8));
    return out;
}

double fromExtended(std::string_view b) {
    if (b.size() < 10)
        throw DecodeStop();
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | static_cast<unsigned char>(b[static_cast<std::size_t>(i)]);
    const unsigned top = static_cast<unsigned char>(b[8]) | (static_cast<unsigned char>(b[9]) << 8);
    const int exponent = static_cast<int>(top & 0x7FFF);
    const double sign = (top & 0x8000) ? -1.0 : 1.0;
    if (exponent == 0x7FFF) {
        if ((mantissa << 1) == 0)
            return sign * HUGE_VAL;
        // A NaN keeps as much of its payload as a double holds, and stays a NaN.
        std::uint64_t fraction = (mantissa >> 11) & 0xFFFFFFFFFFFFFULL;
        if (fraction == 0)
            fraction = 0x8000000000000ULL;
        const std::uint64_t bits =
            ((top & 0x8000) ? 0x8000000000000000ULL : 0) | 0x7FF0000000000000ULL | fraction;
        double nan = 0;
        std::memcpy(&nan, &bits, sizeof nan);
        return nan;
    }
    if (mantissa == 0)
        return sign * 0.0;
    // A denormal extended has the exponent of the smallest normal one.
    const int e = exponent == 0 ? 1 : exponent;
    return sign * std::ldexp(static_cast<double>(mantissa), e - 16383 - 63);
}

std::string toCommaText(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out.push_back(',');
        const std::string& item = items[i];
        const bool quote = item.empty() || std::any_of(item.begin(), item.end(), [](char c) {
                               return static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"';
                           });
        if (!quote) {
            out += item;
            continue;
        }
        out.push_back('"');
        for (char c : item) {
            if (c == '"')
                out.push_back('"');
            out.push_back(c);
        }
        out.push_back('"');
    }
    return out;
}

std::vector<std::string> fromCommaText(std::string_view text) {
    std::vector<std::string> items;
    std::size_t i = 0;
    auto blank = [&](std::size_t at) {
        return at < text.size() && static_cast<unsigned char>(text[at]) <= ' ';
    };
    while (blank(i))
        ++i;
    if (i >= text.size())
        return items;
    for (;;) {
        std::string item;
        if (i < text.size() && text[i] == '"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        item.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item.push_back(text[i++]);
            }
        } else {
            while (i < text.size() && text[i] != ',' && !blank(i))
                item.push_back(text[i++]);
        }
        items.push_back(std::move(item));
        while (blank(i))
            ++i;
        if (i >= text.size())
            return items;
        if (text[i] == ',') {
            ++i;
            while (blank(i))
                ++i;
        }
        if (i >= text.size()) {
            items.emplace_back(); // a trailing comma stands before an empty item
            return items;
        }
    }
}

std::optional<double> readNumber(std::string_view text) {
    const QString t = platform::toQString(text).trimmed();
    bool ok = false;
    double value = QLocale().toDouble(t, &ok);
    if (!ok)
        value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::int32_t truncateToInt32(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

std::string formatFloat(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    // "1E+20" and "1E-05" are written "1E20" and "1E-5".
    const std::size_t e = text.find('E');
    if (e != std::string::npos) {
        std::string mant = text.substr(0, e);
        std::string exp = text.substr(e + 1);
        const bool minus = exp.front() == '-';
        exp.erase(0, exp.find_first_not_of("+-"));
        exp.erase(0, std::min(exp.find_first_not_of('0'), exp.size() - 1));
        text = mant + "E" + (minus ? "-" : "") + exp;
    }
    const std::string separator = platform::fromQString(QLocale().decimalPoint());
    const std::size_t dot = text.find('.');
    if (dot != std::string::npos && !separator.empty())
        text.replace(dot, 1, separator);
    return text;
}

std::string formatDateTime(double days) {
    const QDateTime base(QDate(1899, 12, 30), QTime(0, 0));
    const double ms = std::round(days * 86400000.0);
    if (!std::isfinite(ms) || std::fabs(ms) > 1e15)
        return formatFloat(days);
    const QDateTime when = base.addMSecs(static_cast<qint64>(ms));
    const QLocale locale = QLocale();
    QString time = locale.timeFormat(QLocale::LongFormat);
    time.remove(QLatin1String(" t")).remove(QLatin1Char('t'));
    return platform::fromQString(locale.toString(when.date(), QLocale::ShortFormat) +
                                 QLatin1Char(' ') + locale.toString(when.time(), time.trimmed()));
}

std::uint8_t Reader::peek() const {
    if (atEnd())
        throw DecodeStop();
    return static_cast<std::uint8_t>(data_[pos_]);
}

std::uint8_t Reader::byte() {
    const std::uint8_t b = peek();
    ++pos_;
    return b;
}

std::int32_t Reader::int32() {
    const std::string_view b = bytes(4);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

std::int16_t Reader::int16() {
    const std::string_view b = bytes(2);
    return static_cast<std::int16_t>(static_cast<unsigned char>(b[0]) |
                                     (static_cast<unsigned char>(b[1]) << 8));
}

std::string_view Reader::bytes(std::uint64_t count) {
    if (count > remaining())
        throw DecodeStop();
    const std::string_view out = data_.substr(pos_, static_cast<std::size_t>(count));
    pos_ += static_cast<std::size_t>(count);
    return out;
}

} // namespace pbinary
