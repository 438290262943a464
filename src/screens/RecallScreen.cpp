#include "RecallScreen.h"

#include "Controls.h"
#include "SayAgainKey.h"
#include "ScreenFont.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

RecallScreen::RecallScreen()
    : ScreenWindow("Form1", QStringLiteral("Tovrin"), twipsRect(870, 1530, 4965, 3315),
                   Border::Sizable, Colours::WindowBackground, screenFont(8.25, true)) {
    Command1 = makeButton(this, "Command1", tr("&DONE"), twipsRect(1680, 2160, 972, 372));
    Command1->setDefault(true);
    TypedWord =
        makeLineEdit(this, "TypedWord", twipsRect(480, 1320, 3732, 492), screenFont(12, true));
    Label1 = makeLabel(this, "Label1", tr("Now type the complete word from memory."),
                       twipsRect(480, 240, 3612, 972), {.windowText = true});
    Label1->setFont(screenFont(12, true));

    setFocusOrder({TypedWord, Label1, Command1});
    SayAgain = makeSayAgainKey(this);

    // A screen reader names the entry box by the instruction above it.
    setAccessibleDescription(tr("Recall the word"));
    Label1->setBuddy(TypedWord);
}
