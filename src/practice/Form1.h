#pragma once

#include "screens/RecallScreen.h"

#include <QString>

class Program;

// The recall window: the word being practised must be typed from memory. Every wrong recall
// counts one error; the window closes after the first right one.
class Form1 : public RecallScreen {
    Q_OBJECT

public:
    explicit Form1(Program& program);

private:
    void Command1_Click();
    void SayAgain_Activated();

    Program& program_;
    // The text last submitted.
    QString RecallText;
};
