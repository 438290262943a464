#include "WizardScreen.h"

#include "Controls.h"
#include "OptionButton.h"
#include "PracticeScreen.h"
#include "ScreenFont.h"
#include "Twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

WizardScreen::WizardScreen()
    : ScreenWindow("frmWizard", QStringLiteral("Tovrin"), twipsRect(1140, 1635, 6690, 5775),
                   Border::FixedDialog, Colours::DialogFace, screenFont(8.25, false)) {
    const LabelLook note{.windowText = true};

    QGroupBox* page1 = Frame1[0] =
        makeFrame(this, "Frame1(0)", tr("Step 1"), twipsRect(120, 120, 6375, 4815));
    Option1 =
        makeOption(page1, "Option1", tr("Load an existing list"), twipsRect(2160, 3000, 3495, 495));
    Option2 =
        makeOption(page1, "Option2", tr("Create a new list"), twipsRect(2160, 3360, 3495, 495));
    Option2->setChecked(true);
    Option3 =
        makeOption(page1, "Option3", tr("View the Readme file"), twipsRect(2160, 3720, 3495, 495));
    Label6 = makeLabel(page1, "Label6", tr("Do you want to:"), twipsRect(1320, 2760, 3375, 375),
                       {.centred = true});
    Label3 = makeLabel(page1, "Label3", tr("Tip: double-click a choice to go straight on."),
                       twipsRect(1200, 4320, 4095, 495), {.centred = true, .windowText = true});
    Label1 = makeLabel(page1, "Label1", tr("Dear Teacher or Parent,"),
                       twipsRect(240, 360, 3375, 495), note);
    Label2 = makeLabel(page1, "Label2",
                       tr("This program enables you to type in up to 30 spelling words "
                          "for the day's spelling practice.  Press the 'Next' button "
                          "to continue.  The program allows you to enter up to 30 "
                          "words which can have up to 20 letters each."),
                       twipsRect(240, 720, 5775, 2415), note);
    Label2->setFont(screenFont(13.5, false));

    QGroupBox* page2 = Frame1[1] =
        makeFrame(this, "Frame1(1)", tr("Step 2"), twipsRect(960, 120, 6375, 4815));
    Word = makeLineEdit(page2, "Word", twipsRect(2160, 2760, 3612, 492), screenFont(12, true));
    Command1 = makeButton(page2, "Command1", tr("&Next Word"), twipsRect(2400, 3600, 1812, 492));
    Command1->setDefault(true);
    Label5 = makeLabel(page2, "Label5", tr("Type in Word"), twipsRect(720, 2880, 1935, 495), note);
    // The prompt's rectangle runs a little under the word box: wrap it before the box, so that a
    // longer prompt in another language takes two lines.
    Label5->setContentsMargins(0, 0, Label5->geometry().right() + 1 - Word->geometry().left(), 0);
    Label4 = makeLabel(page2, "Label4",
                       tr("Words must be between 2 and 20 letters long.  Press 'Next' "
                          "after you have entered all of your words."),
                       twipsRect(720, 360, 4935, 615), {.centred = true, .windowText = true});

    QGroupBox* page3 = Frame1[2] =
        makeFrame(this, "Frame1(2)", tr("Step 3"), twipsRect(120, 600, 6375, 4815));
    Option5 = makeOption(page3, "Option5", tr("No"), twipsRect(2760, 4080, 1215, 375));
    Option4 = makeOption(page3, "Option4", tr("Yes"), twipsRect(2760, 3600, 1455, 375));
    Option4->setChecked(true);
    CheckWords = makeTextBox(page3, "CheckWords", QString(), twipsRect(120, 240, 6135, 2895));
    CheckWords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CheckWords->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Label7 = makeLabel(page3, "Label7", tr("Are the words correct"),
                       twipsRect(120, 3360, 6135, 495), {.centred = true});

    butBack = makeButton(this, "butBack", tr("< Back"), twipsRect(1920, 5160, 1215, 495));
    butHelp = makeButton(this, "butHelp", tr("Help"), twipsRect(120, 5160, 1215, 495));
    butCancel = makeButton(this, "butCancel", tr("Cancel"), twipsRect(5280, 5160, 1215, 495));
    butNext = makeButton(this, "butNext", tr("Next >"), twipsRect(3600, 5160, 1215, 495));
    setCancelButton(butCancel);

    // What a screen reader says: the window and its text boxes by what they ask for (the word box
    // by its prompt, which the prompt label keeps in step), the review's choices with their
    // question. Buttons, options and pages are named by their captions.
    setAccessibleDescription(tr("Word list wizard"));
    Label5->setBuddy(Word);
    CheckWords->setAccessibleName(tr("Words in the list"));
    for (OptionButton* answer : {Option4, Option5})
        answer->setAccessibleDescription(Label7->text());

    setFocusOrder({butBack, butNext, butCancel, butHelp, Command1, Word, Option3, Option2, Option1,
                   CheckWords, Option4, Option5});

    for (QGroupBox* page : Frame1)
        page->installEventFilter(this);
}

bool WizardScreen::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::ZOrderChange:
    case QEvent::Move:
        enableUncoveredPages();
        break;
    default:
        break;
    }
    return ScreenWindow::eventFilter(watched, event);
}

void WizardScreen::enableUncoveredPages() {
    const QObjectList& stacking = children();
    for (QGroupBox* page : Frame1) {
        bool covered = false;
        for (QGroupBox* other : Frame1)
            covered = covered || (other != page && !other->isHidden() &&
                                  stacking.indexOf(other) > stacking.indexOf(page) &&
                                  other->geometry().contains(page->geometry()));
        page->setEnabled(!covered);
    }
}

void WizardScreen::paintEvent(QPaintEvent* event) {
    ScreenWindow::paintEvent(event);
    // The practice window's fonts are sizes and weights the wizard does not use, and Qt loads a
    // font on first use: in the practice window's first appearance, that made it late. Once the
    // wizard is on the screen they load in idle time, which the user does not notice; not before,
    // where they would hold up the wizard itself.
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, &PracticeScreen::loadFonts);
    }
}
