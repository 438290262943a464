#include "WordListFile.h"

#include "core/Characters.h"
#include "core/EightBitText.h"
#include "core/MODULE11.h"

#include <QBuffer>
#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr qint64 ReadLimit = 64 * 1024;
constexpr qint64 ChunkSize = 4096;
// Twenty characters take at most this many bytes, even as emoji sequences with combining marks;
// a longer field is too long whatever its characters, and its bytes are not kept.
constexpr qsizetype MaxFieldBytes = 1024;

bool isBlank(char byte) {
    return byte == ' ' || byte == '\t';
}

bool isLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

// Splits the bytes into fields as they arrive and keeps the words among them.
class FieldReader {
public:
    explicit FieldReader(WordListReading& reading)
        : reading_(reading) {}

    bool done() const { return reading_.moreThanAList; }

    void feed(const char* bytes, qsizetype size) {
        for (qsizetype i = 0; i < size && !done(); ++i)
            take(bytes[i]);
    }

    void endOfFile() {
        if (state_ != State::StartOfField)
            endField();
    }

private:
    enum class State { StartOfField, Unquoted, Quoted, AfterClosingQuote };

    void take(char byte) {
        switch (state_) {
        case State::StartOfField:
            if (byte == '"')
                state_ = State::Quoted;
            else if (byte == ',' || isLineEnd(byte))
                endField();
            else if (!isBlank(byte)) {
                state_ = State::Unquoted;
                append(byte);
            }
            break;
        case State::Unquoted:
            if (byte == ',' || isLineEnd(byte))
                endField();
            else
                append(byte);
            break;
        case State::Quoted:
            // A line end closes a quote left open, so that one missing quote spoils only its
            // own line and not every field after it.
            if (byte == '"')
                state_ = State::AfterClosingQuote;
            else if (isLineEnd(byte))
                endField();
            else
                append(byte);
            break;
        case State::AfterClosingQuote:
            if (byte == ',' || isLineEnd(byte))
                endField();
            break;
        }
    }

    void append(char byte) {
        if (field_.size() < MaxFieldBytes) {
            field_.append(byte);
            return;
        }
        // The bytes kept are checked once the field is complete and trimmed; these are not kept.
        const auto code = static_cast<unsigned char>(byte);
        controlByte_ = controlByte_ || code < 0x20 || code == 0x7F;
        overLong_ = true;
    }

    void endField() {
        const bool quoted = state_ == State::Quoted || state_ == State::AfterClosingQuote;
        if (!quoted)
            while (!field_.isEmpty() && isBlank(field_.back()))
                field_.chop(1);
        keep();
        field_.clear();
        overLong_ = false;
        controlByte_ = false;
        state_ = State::StartOfField;
    }

    void keep() {
        if (field_.isEmpty())
            return;
        const QString text = decodeUtf8OrWindows1252(field_);
        if (controlByte_ || hasControlCharacter(text))
            ++reading_.withControlCharacters;
        else if (overLong_ || characterCount(text) > LongestWord)
            ++reading_.tooLong;
        else if (reading_.words.size() == MostWords)
            reading_.moreThanAList = true;
        else
            reading_.words.append(text);
    }

    WordListReading& reading_;
    State state_ = State::StartOfField;
    QByteArray field_;
    bool overLong_ = false;
    bool controlByte_ = false;
};

// English, the program's own language, has no translation to give its singular: one entry has a
// sentence of its own, and the plural forms of other languages serve every other count.
QString tooLong(int count) {
    return count == 1
               ? QCoreApplication::translate("WordListFile",
                                             "1 entry longer than 20 letters was left out.")
               : QCoreApplication::translate("WordListFile",
                                             "%n entries longer than 20 letters were left out.",
                                             nullptr, count);
}

QString withControlCharacters(int count) {
    return count == 1
               ? QCoreApplication::translate("WordListFile",
                                             "1 entry with control characters was left out.")
               : QCoreApplication::translate("WordListFile",
                                             "%n entries with control characters were left out.",
                                             nullptr, count);
}

} // namespace

QByteArray writeWordList(const QStringList& words) {
    QByteArray file;
    for (const QByteArray& word : encodeEightBit(words))
        file += '"' + word + "\"\r\n";
    return file;
}

WordListReading readWordList(QIODevice& device) {
    WordListReading reading;
    FieldReader fields(reading);
    char chunk[ChunkSize];
    qint64 total = 0;
    bool first = true;
    while (!fields.done()) {
        const qint64 size = device.read(chunk, std::min(ChunkSize, ReadLimit - total));
        if (size < 0)
            return reading;
        if (size == 0) {
            if (total < ReadLimit) {
                fields.endOfFile();
            } else {
                // The field cut off at the limit is dropped rather than taken half.
                reading.tooLarge = !device.atEnd();
                if (!reading.tooLarge)
                    fields.endOfFile();
            }
            return reading;
        }
        qsizetype start = 0;
        if (first && size >= Utf8ByteOrderMark.size() &&
            QByteArrayView(chunk, 3) == Utf8ByteOrderMark)
            start = Utf8ByteOrderMark.size();
        first = false;
        total += size;
        fields.feed(chunk + start, size - start);
    }
    return reading;
}

WordListReading readWordList(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readWordList(buffer);
}

QString leftOutMessage(const WordListReading& reading) {
    QStringList sentences;
    if (reading.tooLong > 0)
        sentences.append(tooLong(reading.tooLong));
    if (reading.withControlCharacters > 0)
        sentences.append(withControlCharacters(reading.withControlCharacters));
    if (reading.moreThanAList)
        sentences.append(QCoreApplication::translate(
            "WordListFile", "A list holds at most 30 words: the rest of the file was not read."));
    if (reading.tooLarge)
        sentences.append(QCoreApplication::translate(
            "WordListFile",
            "The file is far larger than a list of words: only its first 64 KiB were read."));
    return sentences.join(QStringLiteral("  "));
}
