#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace platform {

namespace {

// Built once from Qt's windows-1252 codec: one QChar per byte and the way back.
struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    CodePage() {
        QStringDecoder decoder("windows-1252");
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString decoded =
                decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString(QChar(b));
            // The five undefined bytes come back as C1 controls; anything else odd
            // falls back to Latin-1 so that the byte is never lost.
            toUnicode[static_cast<std::size_t>(b)] =
                decoded.size() == 1 ? decoded.at(0).unicode() : static_cast<char16_t>(b);
        }
    }
    int fromUnicode(char16_t u) const {
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
            return u;
        for (int b = 0x80; b < 0xA0; ++b)
            if (toUnicode[static_cast<std::size_t>(b)] == u)
                return b;
        return -1;
    }
};

const CodePage& codePage() {
    static const CodePage page;
    return page;
}

} // namespace

QString toQString(std::string_view bytes) {
    const CodePage& page = codePage();
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = QChar(page.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return text;
}

std::string fromQString(const QString& text) {
    const CodePage& page = codePage();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const int b = page.fromUnicode(c.unicode());
        bytes.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return bytes;
}

} // namespace platform
