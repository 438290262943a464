#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// The word-list file: one line per word, the word in double quotes, each line ended by CR LF,
// nothing else. Reading also takes the common comma-separated form that people write by hand.

// A list's file content: Windows-1252 when every word has a byte there (the format as it always
// was), else UTF-8, so that a saved list always loads back as the same words.
QByteArray writeWordList(const QStringList& words);

struct WordListReading {
    // At most 30 words of 1 to 20 characters, in the order of the file.
    QStringList words;
    // Entries left out: longer than 20 characters, or holding control characters (NUL bytes,
    // tabs, a line break inside quotes…), which no one could type in the practice.
    int tooLong = 0;
    int withControlCharacters = 0;
    // The file held more than 30 words; reading stopped at the 31st.
    bool moreThanAList = false;
    // The file is larger than any word list; only its beginning was read.
    bool tooLarge = false;
};

// Reads as little of `device` as the list needs, and never more than 64 KiB, so a huge or
// endless file costs no more than a small one. A read error keeps the words read before it.
WordListReading readWordList(QIODevice& device);
WordListReading readWordList(const QByteArray& bytes);

// What the user is told about entries that were left out; empty when nothing was. Empty
// fields (blank lines, two commas in a row) are skipped without a word: they hold nothing.
QString leftOutMessage(const WordListReading& reading);
