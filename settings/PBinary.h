#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pbinary {

// Little-endian integers as the binary registry values hold them.
void putInt32(std::string& out, std::int32_t value);
void putInt16(std::string& out, std::int16_t value);

// The 10-byte x87 extended float (64-bit mantissa with explicit integer bit, 15-bit
// exponent, sign), built from and read into a double bit by bit so that it does not
// depend on what the compiler's long double is.
std::string toExtended(double value);
double fromExtended(std::string_view tenBytes);

// Comma text: items joined by ","; an item holding a space, a control character, a
// comma or a double quote, and an empty item, is quoted with inner quotes doubled.
std::string toCommaText(const std::vector<std::string>& items);
std::vector<std::string> fromCommaText(std::string_view text);

// A text read as a number with the platform's decimal separator (the C locale's "."
// also accepted); nothing when it is no finite number.
std::optional<double> readNumber(std::string_view text);
// A double truncated toward zero into 32 bits, clamped at the ends of the range.
std::int32_t truncateToInt32(double value);
// General format with 15 significant digits and the platform's decimal separator.
std::string formatFloat(double value);
// Days since 30 December 1899 as the platform's short date and long time.
std::string formatDateTime(double days);

// Reads a value front to back; running past the end throws DecodeStop, which ends
// the reading of that value without reading past the data.
struct DecodeStop : std::runtime_error {
    DecodeStop() : std::runtime_error("value ends early or is malformed") {}
};

class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}
    bool atEnd() const { return pos_ >= data_.size(); }
    std::size_t remaining() const { return data_.size() - pos_; }
    std::uint8_t peek() const;
    std::uint8_t byte();
    std::int32_t int32();
    std::int16_t int16();
    std::string_view bytes(std::uint64_t count);

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

} // namespace pbinary
