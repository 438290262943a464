#pragma once

#include <QString>
#include <QStringList>

// A word is a sequence of characters as a reader sees them: a letter with its combining accent,
// or an emoji made of a surrogate pair, is one character. Lengths, hiding and marking count and
// address these, so nothing ever splits one.
QStringList characters(const QString& word);
qsizetype characterCount(const QString& word);

// Whether `text` holds a control character (NUL, tab, line break, a C1 control…): no one can type
// one into a word.
bool hasControlCharacter(const QString& text);
