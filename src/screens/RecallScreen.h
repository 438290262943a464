#pragma once

#include "ScreenWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;

// The recall window as it is when created: the instruction, the entry box and the DONE button.
class RecallScreen : public ScreenWindow {
    Q_OBJECT

public:
    RecallScreen();

    QPushButton* Command1 = nullptr;
    QLineEdit* TypedWord = nullptr;
    QLabel* Label1 = nullptr;
    // Says the word again.
    QShortcut* SayAgain = nullptr;
};
