#include "PracticeScreen.h"

#include "Controls.h"
#include "FittingLabel.h"
#include "SayAgainKey.h"
#include "ScreenFont.h"
#include "Twips.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// The fonts of the window, of the entry box and of the three large lines.
QFont windowFont() {
    return screenFont(8.25, true);
}
QFont entryFont() {
    return screenFont(12, false);
}
QFont largeFont() {
    return screenFont(39, true);
}
} // namespace

PracticeScreen::PracticeScreen()
    : ScreenWindow("Main", QStringLiteral("Tovrin"), twipsRect(870, 1530, 6420, 6210),
                   Border::Sizable, Colours::WindowBackground, windowFont()) {
    const LabelLook large{.centred = true, .windowText = true};

    Command1 = makeButton(this, "Command1", tr("&Done"), twipsRect(2880, 5520, 972, 492));
    Command1->setDefault(true);
    TWord = makeLineEdit(this, "TWord", twipsRect(1680, 4920, 3972, 492), entryFont());
    Label1 = makeLabel(this, "Label1", tr("Type the Word Here"), twipsRect(600, 4920, 1212, 732),
                       {.windowText = true});
    CorrectWord =
        makeFittingLabel(this, "CorrectWord", twipsRect(120, 2880, 6252, 1212), largeFont(), large);
    TypedWord =
        makeFittingLabel(this, "TypedWord", twipsRect(120, 1440, 6252, 1332), largeFont(), large);
    Word = makeFittingLabel(this, "Word", twipsRect(120, 120, 6132, 1212), largeFont(), large);
    // The label's rectangle runs a little under the entry box: wrap its caption before the box.
    Label1->setContentsMargins(0, 0, Label1->geometry().right() + 1 - TWord->geometry().left(), 0);

    setFocusOrder({TWord, Command1});
    SayAgain = makeSayAgainKey(this);

    // A screen reader names the entry box by its label, and each large line by what it shows; the
    // line's text is its caption spelt out.
    setAccessibleDescription(tr("Spelling practice"));
    Label1->setBuddy(TWord);
    Word->setAccessibleName(tr("Word to practise"));
    TypedWord->setAccessibleName(tr("Correct word"));
    CorrectWord->setAccessibleName(tr("Your attempt marked"));
}

void PracticeScreen::loadFonts() {
    // Qt loads a font once something asks for one of its measures, and keeps it.
    for (const QFont& font : {windowFont(), entryFont(), largeFont()})
        QFontMetricsF(font).height();
}
