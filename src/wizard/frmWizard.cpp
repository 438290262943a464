#include "frmWizard.h"

#include "Form5.h"
#include "ReadmeFile.h"
#include "core/Placement.h"
#include "core/Program.h"
#include "practice/Main.h"
#include "screens/OptionButton.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

frmWizard::frmWizard(Program& program)
    : program_(program) {
    connect(Command1, &QPushButton::clicked, this, &frmWizard::Command1_Click);
    connect(butNext, &QPushButton::clicked, this, &frmWizard::butNext_Click);
    connect(butBack, &QPushButton::clicked, this, &frmWizard::butBack_Click);
    connect(butCancel, &QPushButton::clicked, this, &frmWizard::butCancel_Click);
    connect(Option1, &OptionButton::doubleClicked, this, &frmWizard::Option1_DblClick);
    connect(Option2, &OptionButton::doubleClicked, this, &frmWizard::Option2_DblClick);
    connect(Option3, &OptionButton::doubleClicked, this, &frmWizard::Option3_DblClick);
    connect(Option4, &OptionButton::clicked, this, &frmWizard::Option4_Click);
    connect(Option4, &OptionButton::doubleClicked, this, &frmWizard::Option4_DblClick);
    connect(Option5, &OptionButton::clicked, this, &frmWizard::Option5_Click);
    connect(Option5, &OptionButton::doubleClicked, this, &frmWizard::Option5_DblClick);
}

void frmWizard::Form_Load() {
    Frame1[1]->hide();
    Frame1[2]->hide();
    butBack->setEnabled(false);
    program_.shared.WordCount = 0;
    PromptNextWord();
}

void frmWizard::butNext_Click() {
    ProcessStep(CurrentStep);
    if (handedOver_)
        return;
    if (CurrentStep == 2) {
        butNext->setText(tr("Finish"));
        return;
    }
    if (Restarted)
        return;
    if (!StayOnStep)
        ++CurrentStep;
    showPage(CurrentStep);
    if (!StayOnStep)
        butBack->setEnabled(true);
    if (CurrentStep == 2)
        butNext->setText(tr("Finish"));
}

void frmWizard::ProcessStep(qint16 step) {
    switch (step) {
    case 0:
        Restarted = false;
        StayOnStep = false;
        ListLoaded = false;
        if (Option1->isChecked()) {
            LoadList();
            CurrentStep = 1;
            ListLoaded = true;
            // Passes through the typing page's work without showing it.
            butNext_Click();
        } else if (Option2->isChecked()) {
            program_.shared.WordCount = 0;
            PromptNextWord();
        } else if (Option3->isChecked()) {
            ShowReadme();
            StayOnStep = true;
        }
        break;
    case 1:
        FinishList();
        CheckWords1();
        break;
    case 2:
        Done();
        break;
    default:
        break;
    }
}

void frmWizard::Done() {
    MODULE11& shared = program_.shared;
    if (Option5->isChecked()) {
        CurrentStep = 0;
        Restarted = true;
        butNext->setText(tr("Next >"));
        shared.WordCount = 0;
        std::fill(shared.WordList.begin() + 1, shared.WordList.end(), QString());
        Word->clear();
        Form_Load();
        return;
    }
    handedOver_ = true;
    close();
    if (Main* practice = program_.practice.use())
        practice->show();
}

void frmWizard::butBack_Click() {
    Frame1[CurrentStep]->hide();
    butNext->setText(tr("Next >"));
    --CurrentStep;
    // After a load the typing page was passed through unseen: show it rather than uncover page 1.
    showPage(CurrentStep);
    if (CurrentStep == 0)
        butBack->setEnabled(false);
}

void frmWizard::butCancel_Click() {
    program_.end();
}

void frmWizard::Option1_DblClick() {
    Option1->setChecked(true);
    butNext_Click();
}

void frmWizard::Option2_DblClick() {
    Option2->setChecked(true);
    butNext_Click();
}

void frmWizard::Option3_DblClick() {
    Option3->setChecked(true);
    butNext_Click();
}

void frmWizard::Option4_Click() {
    butNext->setText(tr("Finished"));
}

void frmWizard::Option4_DblClick() {
    Option4->setChecked(true);
    Option4_Click();
    butNext_Click();
}

void frmWizard::Option5_Click() {
    butNext->setText(tr("Restart"));
}

void frmWizard::Option5_DblClick() {
    Option5->setChecked(true);
    Option5_Click();
    butNext_Click();
}

void frmWizard::showWordPrompt() {
    //: The prompt beside the box for the next word: "Type in Word 3". The box begins just after
    //: it, so it must stay short, or take two lines.
    Label5->setText(tr("Type in Word %1").arg(program_.shared.WordCount));
}

void frmWizard::showPage(qint16 step) {
    QGroupBox* page = Frame1[step];
    page->move(Frame1[0]->pos());
    page->show();
    page->raise();
    // The prompt never shows a stale number, whatever changed the count since it was set, and
    // the teacher can type at once.
    if (step == 1) {
        showWordPrompt();
        Word->setFocus(Qt::OtherFocusReason);
    }
}

void frmWizard::CheckWords1() {
    const MODULE11& shared = program_.shared;
    QString text;
    for (auto slot = shared.WordList.begin() + 1;
         slot != shared.WordList.begin() + 1 + MostWords && *slot != EndMarker; ++slot)
        text += *slot + QLatin1String("\r\n");
    CheckWords->setPlainText(text);
}

void frmWizard::ShowReadme() {
    const QString path = readmePath(program_.installedReadmeFolder);
    QString text;
    QString reason;
    if (!readReadme(path, text, reason)) {
        program_.message(tr("The file readme.txt in the folder %1 cannot be shown (%2).")
                             .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), reason),
                         Program::Title, Platform::Buttons::Ok, Platform::Icon::Exclamation);
        return;
    }
    program_.shared.ReadmeText = text;
    const bool opening = !program_.readme.isOpen();
    Form5* viewer = program_.readme.use();
    if (!viewer)
        return;
    viewer->setWindowTitle(QStringLiteral("readme.txt"));
    // Beside the wizard, never over its buttons: both stay in use. Once open, it stays where the
    // user has put it.
    if (opening) {
        const QMargins frame = frameMargins(*this);
        const QRect place = placeBeside(viewer->size().grownBy(frame), frameGeometry(),
                                        screen()->availableGeometry(), viewer->size() / 2);
        viewer->resize(place.size().shrunkBy(frame));
        viewer->move(place.topLeft());
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}
