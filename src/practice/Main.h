#pragma once

#include "screens/PracticeScreen.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class Program;

// The practice window, shown when the wizard hands its list over. Each pass takes every word of
// the list once, in random order, and says each word as it shows it. Every right attempt hides one
// more letter of the word on show; once the word has been typed right half as often as it has
// letters, it is said again and must be typed from memory in the recall window.
class Main : public PracticeScreen {
    Q_OBJECT

public:
    explicit Main(Program& program);

    // Starts a pass over the list.
    void Form_Load();

    // The question at the end of a pass: how many errors on how many words, and more practice?
    static QString passSummary(int errors, int words);

private:
    void Command1_Click();
    void SayAgain_Activated();
    // The start message and the counters of a new pass, before its first word. False when the
    // practice is over meanwhile.
    bool StartPass();
    void NextWord();
    void HideLetter();
    void CheckAttempt();
    void StartRecall();

    // Whether this is still the program's open practice window. A handler that comes back from
    // a message or the recall goes no further once the window has closed or the program ended.
    bool stillOpen() const;
    // Where the three large lines are on the screen: the student sees them while told "Right!" or
    // "Wrong!".
    QRect largeLines() const;

    Program& program_;
    int PickedSlot = 0;
    int WordNumber = 0;
    qint32 WordLength = 0;
    QString ShownWord;
    // ShownWord in the characters a reader sees: hiding replaces one of them whole.
    QStringList ShownLetters;
    // Slot k is true while letter k is shown; slot 0 is unused.
    QList<bool> LetterShown;
    int Progress = 0;
    int HiddenPos = 0;
};
