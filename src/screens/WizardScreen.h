#pragma once

#include "ScreenWindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class OptionButton;

// The list wizard as it is when created: three pages (the frames Frame1(0) to Frame1(2)) stacked
// above a row of buttons. The pages for steps 4 and 5 hold nothing and are not built.
class WizardScreen : public ScreenWindow {
    Q_OBJECT

public:
    WizardScreen();

    std::array<QGroupBox*, 3> Frame1{};

    // Page 1: what to do.
    OptionButton* Option1 = nullptr;
    OptionButton* Option2 = nullptr;
    OptionButton* Option3 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    // Page 2: typing the words.
    QLineEdit* Word = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;

    // Page 3: the review.
    OptionButton* Option5 = nullptr;
    OptionButton* Option4 = nullptr;
    QPlainTextEdit* CheckWords = nullptr;
    QLabel* Label7 = nullptr;

    QPushButton* butBack = nullptr;
    QPushButton* butHelp = nullptr;
    QPushButton* butCancel = nullptr;
    QPushButton* butNext = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Only the page in front takes the keyboard: a page lying under another stays on show but is
    // disabled, so that Tab never moves the focus to a control that no one can see.
    void enableUncoveredPages();

    bool painted_ = false;
};
