// Feeds any bytes to the word-list reader: it must never crash, hang or grow without bound, and
// what it reads must be a list the practice can take and that saves and loads back unchanged.

#include "core/Characters.h"
#include "wizard/WordListFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const WordListReading reading = readWordList(bytes);

    require(reading.words.size() <= 30, "at most 30 words");
    bool quoted = false;
    for (const QString& word : reading.words) {
        const qsizetype length = characterCount(word);
        require(length >= 1 && length <= 20, "every word has 1 to 20 characters");
        require(!hasControlCharacter(word), "no word holds a control character");
        quoted = quoted || word.contains(u'"');
    }
    const bool leftOut = reading.tooLong > 0 || reading.withControlCharacters > 0 ||
                         reading.moreThanAList || reading.tooLarge;
    require(leftOutMessage(reading).isEmpty() != leftOut, "the user is told what was left out");

    // A double quote can come in through an unquoted field but cannot be written back.
    if (!quoted) {
        const WordListReading again = readWordList(writeWordList(reading.words));
        require(again.words == reading.words, "a list saves and loads back unchanged");
        require(leftOutMessage(again).isEmpty(), "a saved list loads back whole");
    }
    return 0;
}
