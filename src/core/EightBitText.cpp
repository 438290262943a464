#include "EightBitText.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

// Windows-1252 is Latin-1 apart from 0x80 to 0x9F. The five bytes that it leaves undefined map
// to the C1 control of the same number, as Windows itself reads them, so every byte reads as
// some character and writes back as the same byte.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Whether Windows-1252 bytes would be read back as something else: a non-ASCII run that happens
// to be valid UTF-8 (the bytes of "Ã©" read as "é").
bool readsBackAsUtf8(const QByteArray& bytes) {
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(),
                                   [](char b) { return static_cast<unsigned char>(b) < 0x80; });
    return !ascii && isValidUtf8(bytes);
}

} // namespace

bool isValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = code >= 0x80 && code < 0xA0 ? QChar(HighControls[code - 0x80]) : QChar(code);
    }
    return text;
}

std::optional<QByteArray> encodeWindows1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes.append(static_cast<char>(code));
            continue;
        }
        const auto found = std::find(HighControls.begin(), HighControls.end(), code);
        if (found == HighControls.end())
            return std::nullopt;
        bytes.append(static_cast<char>(0x80 + (found - HighControls.begin())));
    }
    return bytes;
}

QString decodeEightBit(QByteArrayView bytes) {
    if (bytes.startsWith(Utf8ByteOrderMark))
        bytes = bytes.sliced(Utf8ByteOrderMark.size());
    return decodeUtf8OrWindows1252(bytes);
}

QString decodeUtf8OrWindows1252(QByteArrayView bytes) {
    // Qt's decoder would drop a byte-order mark at the start of any piece it is given.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? decodeWindows1252(bytes) : text;
}

QList<QByteArray> encodeEightBit(const QStringList& pieces) {
    QList<QByteArray> eightBit, utf8;
    for (const QString& piece : pieces) {
        const std::optional<QByteArray> bytes = encodeWindows1252(piece);
        if (bytes && !readsBackAsUtf8(*bytes))
            eightBit.append(*bytes);
        utf8.append(piece.toUtf8());
    }
    return eightBit.size() == pieces.size() ? eightBit : utf8;
}
