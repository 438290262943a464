#include "Main.h"

#include "core/Characters.h"
#include "core/Program.h"
#include "practice/CountError.h"
#include "practice/Form1.h"
#include "practice/MistakeMarking.h"
#include "screens/FittingLabel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

Main::Main(Program& program)
    : program_(program) {
    connect(Command1, &QPushButton::clicked, this, &Main::Command1_Click);
    connect(SayAgain, &QShortcut::activated, this, &Main::SayAgain_Activated);
    // A word still being said when the window closes is cut off.
    connect(this, &ScreenWindow::closed, &program_, &Program::stopSaying);
}

void Main::Form_Load() {
    if (StartPass())
        NextWord();
}

bool Main::StartPass() {
    program_.message(tr("Students can now practice spelling the words"));
    if (!stillOpen())
        return false;
    MODULE11& shared = program_.shared;
    shared.ErrorCount = 0;
    WordNumber = 0;
    // A count outside the list's bounds would draw slots that hold no word, for ever.
    shared.PracticeTotal = static_cast<qint16>(std::clamp(shared.WordCount - 1, 0, int(MostWords)));
    Progress = 0;
    for (int slot = 1; slot <= shared.PracticeTotal; ++slot)
        shared.WordPending[static_cast<std::size_t>(slot)] = 1;
    return true;
}

void Main::NextWord() {
    MODULE11& shared = program_.shared;
    for (;;) {
        program_.reseedFromClock();
        ++WordNumber;
        if (WordNumber != shared.PracticeTotal + 1)
            break;
        const Platform::Answer more =
            program_.message(passSummary(shared.ErrorCount, shared.PracticeTotal), tr("Finished?"),
                             Platform::Buttons::YesNo);
        if (more == Platform::Answer::No) {
            program_.end();
            return;
        }
        // The next pass starts in this loop, not in a call of its own, so that pass after pass,
        // and Yes after Yes on an empty list, never nest any deeper.
        if (!stillOpen() || !StartPass())
            return;
    }

    do {
        PickedSlot = static_cast<int>(program_.random() * shared.PracticeTotal + 1);
    } while (shared.WordPending[static_cast<std::size_t>(PickedSlot)] == 0);
    shared.WordPending[static_cast<std::size_t>(PickedSlot)] = 0;
    shared.PracticeWord = shared.WordList[static_cast<std::size_t>(PickedSlot)];
    ShownLetters = characters(shared.PracticeWord);
    WordLength = static_cast<qint32>(ShownLetters.size());
    Word->setText(shared.PracticeWord);
    program_.say(shared.PracticeWord);
    ShownWord = shared.PracticeWord;
    LetterShown.fill(true, WordLength + 1);
}

void Main::HideLetter() {
    // Only a word without characters has none shown at its first right attempt; drawing among
    // none would never end.
    if (std::find(LetterShown.cbegin() + 1, LetterShown.cend(), true) != LetterShown.cend()) {
        do {
            HiddenPos = static_cast<int>(program_.random() * WordLength + 1);
        } while (!LetterShown.at(HiddenPos));
        LetterShown[HiddenPos] = false;
        ShownLetters[HiddenPos - 1] = QStringLiteral(" ");
        ShownWord = ShownLetters.join(QString());
    }
    Word->setText(ShownWord);
    CorrectWord->clear();
    TypedWord->clear();
    TWord->clear();
}

void Main::Command1_Click() {
    CheckAttempt();
}

// The whole word, however many of its letters are hidden.
void Main::SayAgain_Activated() {
    program_.say(program_.shared.PracticeWord);
}

void Main::CheckAttempt() {
    MODULE11& shared = program_.shared;
    Progress += 2;
    const QString attempt = TWord->text();
    TypedWord->setText(shared.PracticeWord);
    if (attempt == shared.PracticeWord) {
        program_.message(tr("Right!"), tr("Right"), Platform::Buttons::Ok,
                         Platform::Icon::Exclamation, largeLines());
        if (!stillOpen())
            return;
        HideLetter();
        if (Progress >= WordLength) {
            StartRecall();
            Progress = 0;
        }
        return;
    }

    countError(shared);
    CorrectWord->setText(markAttempt(shared.PracticeWord, attempt));
    program_.message(tr("Wrong! See The Missing Letters.  Each Dash is a Mistake"), tr("Wrong"),
                     Platform::Buttons::Ok, Platform::Icon::Exclamation, largeLines());
    TypedWord->clear();
    CorrectWord->clear();
    TWord->clear();
    Progress -= 2;
}

void Main::StartRecall() {
    Word->clear();
    TypedWord->clear();
    CorrectWord->clear();
    TWord->clear();
    if (Form1* recall = program_.recall.use()) {
        program_.say(program_.shared.PracticeWord);
        program_.showModal(*recall);
    }
    if (stillOpen())
        NextWord();
}

QString Main::passSummary(int errors, int words) {
    // Each number has plural forms of its own; English says "1 Errors" as it always has.
    //: %1 in "You Made %1 on the %2.  More Practice": the errors made in the pass.
    const QString errorCount = tr("%n Errors", nullptr, errors);
    //: %2 in "You Made %1 on the %2.  More Practice": the words practised in the pass.
    const QString wordCount = tr("%n words", nullptr, words);
    //: The question at the end of a pass, answered Yes or No: "You Made 1 Errors on the 3 words.
    //: More Practice".
    return tr("You Made %1 on the %2.  More Practice").arg(errorCount, wordCount);
}

QRect Main::largeLines() const {
    const QRect lines = Word->geometry() | TypedWord->geometry() | CorrectWord->geometry();
    return {mapToGlobal(lines.topLeft()), lines.size()};
}

bool Main::stillOpen() const {
    return program_.practice.get() == this;
}
