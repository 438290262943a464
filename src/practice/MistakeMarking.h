#pragma once

#include <QString>

// The attempt as the student is shown it under the correct word: every character that does not
// equal the word's character at the same position becomes a dash, and a short attempt is padded
// with dashes to the word's length. Nothing is aligned, so after a missing or an extra letter
// every later position is a dash. Characters are those a reader sees, so an accent or an emoji is
// kept or dashed whole.
QString markAttempt(const QString& word, const QString& attempt);
