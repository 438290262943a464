#pragma once

#include <QString>

// A screen reader hears a FittingLabel by its accessible name ("Word to practise") and, as its
// value, the caption spelt out character by character, a space as "blank": a hidden letter is
// drawn as a space, and the caption read as one word would not tell that a letter is missing.

// Makes Qt describe every FittingLabel so; later calls do nothing.
void installAccessibleFittingLabel();

// `caption` as a screen reader speaks it: "c blank t" for "c t".
QString spokenCharacters(const QString& caption);
