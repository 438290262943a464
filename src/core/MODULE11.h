#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The state that the windows share for the life of the process. The wizard fills the word list,
// the practice reads it; every member is read and written directly, by its own name.
struct MODULE11 {
    // Slots 1 to 30 hold the words, the end marker "Done" follows the last one; slot 0 is unused.
    std::array<QString, 32> WordList;
    // The slot of the next word while typing; the end marker's slot once the list is finished.
    qint16 WordCount = 0;
    // The text of readme.txt as last read.
    QString ReadmeText;

    // The practice's own: which slots are still to be drawn in this pass, the word on show, and
    // the errors and words of the pass.
    std::array<quint8, 32> WordPending{};
    QString PracticeWord;
    qint16 ErrorCount = 0;
    qint16 PracticeTotal = 0;
};
