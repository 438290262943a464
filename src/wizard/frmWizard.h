#pragma once

#include "core/CommonDialog.h"
#include "screens/WizardScreen.h"

class Program;

// The list wizard: page 1 chooses what to do, page 2 types the words, page 3 reviews them and
// hands the list over to the practice window.
class frmWizard : public WizardScreen {
    Q_OBJECT

public:
    explicit frmWizard(Program& program);

    // Runs when the wizard is created, and again as a plain routine on a restart.
    void Form_Load();

    // The file dialog, kept with the wizard so that it offers the name chosen last.
    CommonDialog CommonDialog1;

private:
    // Whether a word must have two letters: typed words must, a word taken when the list is
    // closed need not.
    enum class WordLength { AtLeastTwo, AnyLength };

    void Command1_Click();
    void butNext_Click();
    void butBack_Click();
    void butCancel_Click();
    void Option1_DblClick();
    void Option2_DblClick();
    void Option3_DblClick();
    void Option4_Click();
    void Option4_DblClick();
    void Option5_Click();
    void Option5_DblClick();

    void ProcessStep(qint16 step);
    void Done();
    void PromptNextWord();
    void LoadList();
    void FinishList();
    void SaveList();
    void CheckWords1();
    void ShowReadme();
    void showWordPrompt();
    void showListFull();

    // Shows why `word` cannot join the list, if it cannot.
    bool refuseWord(const QString& word, WordLength length);
    // Sets up the file dialog for word lists and shows it; false when it was cancelled.
    bool chooseListFile();

    // Puts the page of `step` where page 1 lies, shows it and brings it to the front.
    void showPage(qint16 step);

    Program& program_;
    qint16 CurrentStep = 0;
    bool Restarted = false;
    bool StayOnStep = false;
    bool ListLoaded = false;
    bool handedOver_ = false;
};
