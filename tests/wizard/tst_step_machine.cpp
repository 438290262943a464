// The wizard's pages, buttons and flags as the user moves through them.

#include "TestFiles.h"
#include "TestSession.h"
#include "WizardDriver.h"
#include "practice/Main.h"
#include "screens/OptionButton.h"
#include "wizard/StartProgram.h"
#include "wizard/frmWizard.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

enum class Choice { Load, Create, Readme };

QRadioButton* optionFor(frmWizard* wizard, Choice choice) {
    switch (choice) {
    case Choice::Load:
        return wizard->Option1;
    case Choice::Create:
        return wizard->Option2;
    case Choice::Readme:
        break;
    }
    return wizard->Option3;
}

} // namespace

class StepMachineTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;
    frmWizard* wizard = nullptr;
    // readme.txt is looked for in the current folder.
    QTemporaryDir folder;

    MODULE11& shared() { return session->program.shared; }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void goToPage2() { click(wizard->butNext); }

    // Leaves the typing page, declining to save.
    void finishTyping() {
        session->platform.answer(Platform::Answer::No);
        click(wizard->butNext);
    }

    void goToPage3() {
        goToPage2();
        finishTyping();
    }

    void typeWords(const QStringList& words) {
        goToPage2();
        for (const QString& word : words) {
            wizard->Word->setText(word);
            click(wizard->Command1);
        }
    }

    void verifyPage(int page, bool backEnabled, const QString& nextCaption) {
        QCOMPARE(pageOnTop(wizard), page);
        QCOMPARE(wizard->butBack->isEnabled(), backEnabled);
        QCOMPARE(wizard->butNext->text(), nextCaption);
        QVERIFY(wizard->butCancel->isEnabled());
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(folder.path()));
        writeFile("readme.txt", "How to use Tovrin\r\n");
    }

    void init() {
        session = std::make_unique<TestSession>();
        startProgram(session->program);
        wizard = session->program.wizard.get();
        QVERIFY(wizard);
    }

    void cleanup() { endSession(session); }

    void startsOnPageOneWithAnEmptyList() {
        QVERIFY(wizard->isVisible());
        QVERIFY(!wizard->isModal());
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        verifyPage(0, false, "Next >");
        QVERIFY(wizard->Option2->isChecked());
        QVERIFY(wizard->Option4->isChecked());
        QCOMPARE(shared().WordCount, 1);
        for (const QString& slot : shared().WordList)
            QVERIFY(slot.isEmpty());
        QVERIFY(shared().ReadmeText.isEmpty());
        QCOMPARE(wizard->Label5->text(), "Type in Word 1");
        QCOMPARE(wizard->focusWidget(), wizard->butNext);
        QVERIFY(session->platform.messages.isEmpty());
        QVERIFY(!session->program.practice.isOpen());
        // Boxes and the file dialog in the windows' face; the icon and the menu entry that docks
        // tie the windows to.
        QCOMPARE(QApplication::font().families().constFirst(), "Liberation Sans");
        QVERIFY(!wizard->windowIcon().availableSizes().isEmpty());
        QCOMPARE(QGuiApplication::desktopFileName(), "org.tovrin.Tovrin");
    }

    void nextOnEachChoice_data() {
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("backEnabled");
        QTest::addColumn<QString>("nextCaption");
        for (bool doubleClick : {false, true}) {
            const char* how = doubleClick ? "double-click" : "Next";
            QTest::addRow("create, %s", how)
                << Choice::Create << doubleClick << 1 << true << "Next >";
            QTest::addRow("load, %s", how) << Choice::Load << doubleClick << 2 << true << "Finish";
            QTest::addRow("readme, %s", how)
                << Choice::Readme << doubleClick << 0 << false << "Next >";
        }
    }

    void nextOnEachChoice() {
        QFETCH(Choice, choice);
        QFETCH(bool, doubleClick);
        QFETCH(int, page);
        QFETCH(bool, backEnabled);
        QFETCH(QString, nextCaption);

        QRadioButton* option = optionFor(wizard, choice);
        if (choice == Choice::Load)
            session->platform.chooseFile(std::nullopt);
        if (doubleClick) {
            QTest::mouseClick(option, Qt::LeftButton);
            QTest::mouseDClick(option, Qt::LeftButton);
        } else {
            click(option);
            click(wizard->butNext);
        }
        verifyPage(page, backEnabled, nextCaption);
        QVERIFY(option->isChecked());
        QCOMPARE(shared().WordCount, 1);
        QVERIFY(wizard->isVisible());
    }

    void typingPageLeadsToReview() {
        goToPage2();
        verifyPage(1, true, "Next >");
        QCOMPARE(wizard->focusWidget(), wizard->Word);
        finishTyping();
        verifyPage(2, true, "Finish");
    }

    void yesAndNoSetTheCaption_data() {
        QTest::addColumn<bool>("screenReader");
        QTest::addRow("mouse") << false;
        QTest::addRow("screen reader's toggle action") << true;
    }

    // A choice counts as a click however it is made, on the option already chosen too.
    void yesAndNoSetTheCaption() {
        QFETCH(bool, screenReader);
        const auto choose = [screenReader, this](QAbstractButton* option) {
            if (screenReader)
                QAccessible::queryAccessibleInterface(option)->actionInterface()->doAction(
                    QAccessibleActionInterface::toggleAction());
            else
                click(option);
        };
        goToPage3();
        choose(wizard->Option5);
        QCOMPARE(wizard->butNext->text(), "Restart");
        choose(wizard->Option4);
        QCOMPARE(wizard->butNext->text(), "Finished");
        click(wizard->butBack);
        finishTyping();
        QCOMPARE(wizard->butNext->text(), "Finish");
        QVERIFY(wizard->Option4->isChecked());
        choose(wizard->Option4);
        QCOMPARE(wizard->butNext->text(), "Finished");
    }

    void backOnEachPage() {
        goToPage3();
        click(wizard->butBack);
        verifyPage(1, true, "Next >");
        click(wizard->butBack);
        verifyPage(0, false, "Next >");
        QVERIFY(!wizard->Frame1[1]->isVisible());
        QVERIFY(!wizard->Frame1[2]->isVisible());
    }

    // Back from the review of a loaded list shows the typing page, prompting for the word after
    // the list. Words typed onto a loaded list are not offered for saving, the word left in the
    // box included; a new list afterwards is.
    void backAfterALoadShowsTheTypingPage() {
        writeFile("three.tvr", "cat\r\ndog\r\nmouse\r\n");
        click(wizard->Option1);
        session->platform.chooseFile(QDir::current().filePath("three.tvr"));
        click(wizard->butNext);
        verifyPage(2, true, "Finish");
        click(wizard->butBack);
        verifyPage(1, true, "Next >");
        QCOMPARE(wizard->Label5->text(), "Type in Word 4");
        wizard->Word->setText("owl");
        click(wizard->Command1);
        wizard->Word->setText("bat");
        click(wizard->butNext);
        verifyPage(2, true, "Finish");
        QCOMPARE(wizard->CheckWords->toPlainText(), "cat\ndog\nmouse\nowl\nbat\n");
        QVERIFY(session->platform.messages.isEmpty());

        click(wizard->butBack);
        click(wizard->butBack);
        click(wizard->Option2);
        goToPage3();
        QCOMPARE(session->platform.messages.size(), 1);
        QCOMPARE(session->platform.messages[0].text, "Save Your List?");
    }

    void reviewListsTheWordsUpToTheMarker_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("shown");
        QTest::addRow("three words") << QStringList{"cat", "dog", "mouse"} << "cat\ndog\nmouse\n";
        QTest::addRow("empty list") << QStringList{} << "";
        QTest::addRow("a word 'Done' ends the listing")
            << QStringList{"cat", "Done", "dog"} << "cat\n";
        QTest::addRow("'done' in small letters does not")
            << QStringList{"cat", "done"} << "cat\ndone\n";
    }

    void reviewListsTheWordsUpToTheMarker() {
        QFETCH(QStringList, words);
        QFETCH(QString, shown);
        typeWords(words);
        finishTyping();
        QCOMPARE(wizard->CheckWords->toPlainText(), shown);
    }

    void finishWithNoRestarts_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::addRow("Next") << false;
        QTest::addRow("double-click on No") << true;
    }

    void finishWithNoRestarts() {
        QFETCH(bool, doubleClick);
        shared().WordList[0] = "slot zero";
        shared().WordList[31] = "old";
        typeWords({"cat"});
        finishTyping();
        wizard->Word->setText("left over");
        if (doubleClick) {
            QTest::mouseDClick(wizard->Option5, Qt::LeftButton);
        } else {
            click(wizard->Option5);
            click(wizard->butNext);
        }
        verifyPage(0, false, "Next >");
        QVERIFY(!wizard->Frame1[1]->isVisible());
        QVERIFY(!wizard->Frame1[2]->isVisible());
        QCOMPARE(shared().WordCount, 1);
        QCOMPARE(shared().WordList[0], "slot zero");
        for (std::size_t slot = 1; slot <= 31; ++slot)
            QVERIFY2(shared().WordList[slot].isEmpty(), qPrintable(QString::number(slot)));
        QVERIFY(wizard->Word->text().isEmpty());
        QCOMPARE(wizard->Label5->text(), "Type in Word 1");
        QVERIFY(wizard->Option5->isChecked());
        QVERIFY(!session->program.practice.isOpen());
    }

    void restartWithNoStillChosenRestartsAgain() {
        goToPage3();
        click(wizard->Option5);
        click(wizard->butNext);
        goToPage3();
        verifyPage(2, true, "Finish");
        QVERIFY(wizard->Option5->isChecked());
        click(wizard->butNext);
        verifyPage(0, false, "Next >");
        goToPage2();
        verifyPage(1, true, "Next >");
    }

    void finishWithYesHandsOver_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::addRow("Next") << false;
        QTest::addRow("double-click on Yes") << true;
    }

    void finishWithYesHandsOver() {
        QFETCH(bool, doubleClick);
        typeWords({"cat"});
        finishTyping();
        QPointer<frmWizard> closing = wizard;
        // The practice greets the student before its window opens.
        session->platform.answer(Platform::Answer::Ok);
        if (doubleClick)
            QTest::mouseDClick(wizard->Option4, Qt::LeftButton);
        else
            click(wizard->butNext);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closing.isNull());
        QVERIFY(!session->program.wizard.isOpen());
        Main* practice = session->program.practice.get();
        QVERIFY(practice);
        QVERIFY(practice->isVisible());
        QVERIFY(!practice->isModal());
        QVERIFY(!session->platform.ended);
        QCOMPARE(shared().WordCount, 2);
        QCOMPARE(shared().WordList[1], "cat");
        QCOMPARE(shared().WordList[2], "Done");
    }

    void cancelEndsTheProgramFromAnyPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("escape");
        for (int page = 0; page < 3; ++page) {
            QTest::addRow("page %d, Cancel", page + 1) << page << false;
            QTest::addRow("page %d, Escape", page + 1) << page << true;
        }
    }

    void cancelEndsTheProgramFromAnyPage() {
        QFETCH(int, page);
        QFETCH(bool, escape);
        if (page >= 1)
            goToPage2();
        if (page == 2)
            finishTyping();
        QCOMPARE(pageOnTop(wizard), page);
        wizard->Word->setText("unsaved");
        session->platform.messages.clear();
        QPointer<frmWizard> closing = wizard;
        if (escape)
            QTest::keyClick(wizard->focusWidget() ? wizard->focusWidget() : wizard, Qt::Key_Escape);
        else
            click(wizard->butCancel);
        QVERIFY(session->platform.ended);
        QVERIFY(session->platform.messages.isEmpty());
        QVERIFY(!session->program.wizard.isOpen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closing.isNull());
    }
};

QTEST_MAIN(StepMachineTest)
#include "tst_step_machine.moc"
