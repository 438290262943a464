#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Word lists and the readme are 8-bit files: older ones hold Windows-1252, newer ones may hold
// UTF-8. Bytes that are valid UTF-8 are read as UTF-8, anything else as Windows-1252.

inline constexpr QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");

// A whole file's text: a UTF-8 byte-order mark at the start is skipped.
QString decodeEightBit(QByteArrayView bytes);

// A piece of a file, such as one field: every byte counts.
QString decodeUtf8OrWindows1252(QByteArrayView bytes);

// Whether `bytes` are complete, valid UTF-8 (a sequence cut off at the end is not).
bool isValidUtf8(QByteArrayView bytes);

QString decodeWindows1252(QByteArrayView bytes);

// Pieces of text as a file holds them that is read piece by piece with decodeUtf8OrWindows1252:
// Windows-1252 (the 8-bit format as it always was) where every piece has a byte there and none of
// them would read back as UTF-8, else UTF-8 for all, so that every piece reads back unchanged.
QList<QByteArray> encodeEightBit(const QStringList& pieces);

// None when the text holds a character that Windows-1252 has no byte for.
std::optional<QByteArray> encodeWindows1252(QStringView text);
