#include "Form1.h"

#include "core/Program.h"
#include "practice/CountError.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

Form1::Form1(Program& program)
    : program_(program) {
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(SayAgain, &QShortcut::activated, this, &Form1::SayAgain_Activated);
    // A word still being said when the window closes is cut off.
    connect(this, &ScreenWindow::closed, &program_, &Program::stopSaying);
}

void Form1::SayAgain_Activated() {
    program_.say(program_.shared.PracticeWord);
}

void Form1::Command1_Click() {
    MODULE11& shared = program_.shared;
    RecallText = TypedWord->text();
    if (RecallText == shared.PracticeWord) {
        program_.message(tr("You Now Know how to spell '%1'.").arg(shared.PracticeWord),
                         tr("Congratulations"));
        // Closing ends the modal show that the practice window waits on. Once the program has
        // ended the window is closed already.
        program_.recall.close();
    } else {
        countError(shared);
        program_.message(
            tr("Sorry, Did you Concentrate?  The word was '%1'.").arg(shared.PracticeWord),
            tr("Incorrect"));
    }
    TypedWord->clear();
}
