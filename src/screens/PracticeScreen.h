#pragma once

#include "ScreenWindow.h"

class FittingLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;

// The practice window as it is when created: three large lines (the word, the correct word, the
// marked attempt) above the entry box and the Done button. Each large line shows its whole text,
// shrinking its font for a long word or attempt.
class PracticeScreen : public ScreenWindow {
    Q_OBJECT

public:
    PracticeScreen();

    // Has Qt load this window's fonts, which it otherwise loads when the window first appears.
    static void loadFonts();

    QPushButton* Command1 = nullptr;
    QLineEdit* TWord = nullptr;
    QLabel* Label1 = nullptr;
    // Says the word again.
    QShortcut* SayAgain = nullptr;
    FittingLabel* CorrectWord = nullptr;
    FittingLabel* TypedWord = nullptr;
    FittingLabel* Word = nullptr;
};
