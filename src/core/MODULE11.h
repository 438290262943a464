#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

// What a list is: at most 30 words of at most 20 characters; a typed word has at least 2. Once the
// list is finished, the end marker follows its last word.
inline constexpr qsizetype MostWords = 30;
inline constexpr qsizetype LongestWord = 20;
inline constexpr qsizetype ShortestTypedWord = 2;
inline const QString EndMarker = QStringLiteral("Done");

// The state that the windows share for the life of the process. The wizard fills the word list,
// the practice reads it; every member is read and written directly, by its own name.
struct MODULE11 {
    // Slots 1 to 30 hold the words, the end marker follows the last one; slot 0 is unused.
    std::array<QString, MostWords + 2> WordList;
    // The slot of the next word while typing; the end marker's slot once the list is finished.
    qint16 WordCount = 0;
    // The text of readme.txt as last read.
    QString ReadmeText;

    // The practice's own: which slots are still to be drawn in this pass, the word on show, and
    // the errors and words of the pass.
    std::array<quint8, MostWords + 2> WordPending{};
    QString PracticeWord;
    qint16 ErrorCount = 0;
    qint16 PracticeTotal = 0;
};

// The words of the list: slots 1 to WordCount - 1, as many as the list can hold.
inline QStringList listedWords(const MODULE11& shared) {
    const qsizetype count = qBound(qsizetype(0), qsizetype(shared.WordCount) - 1, MostWords);
    return QStringList(shared.WordList.begin() + 1, shared.WordList.begin() + 1 + count);
}
