#pragma once

#include "ScreenWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The practice window as it is when created: three large lines (the word, the correct word, the
// marked attempt) above the entry box and the Done button.
class PracticeScreen : public ScreenWindow {
    Q_OBJECT

public:
    PracticeScreen();

    QPushButton* Command1 = nullptr;
    QLineEdit* TWord = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* CorrectWord = nullptr;
    QLabel* TypedWord = nullptr;
    QLabel* Word = nullptr;
};
