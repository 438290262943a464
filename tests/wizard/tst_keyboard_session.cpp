// One whole session with the keyboard alone: the readme, a new list typed and saved, a restart,
// the saved list loaded, and the practice of every word through its recall.

#include "TestFiles.h"
#include "TestSession.h"
#include "WizardDriver.h"
#include "core/Characters.h"
#include "practice/Form1.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"
#include "screens/OptionButton.h"
#include "wizard/Form5.h"
#include "wizard/StartProgram.h"
#include "wizard/frmWizard.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class KeyboardSessionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;
    // readme.txt is looked for in the current folder.
    QTemporaryDir folder;

    // A key pressed on whatever has the keyboard focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus, "nothing has the keyboard focus");
        QTest::keyClick(focus, key, modifiers);
    }

    static void type(const QString& text) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus, "nothing has the keyboard focus");
        typeText(focus, text);
    }

    // Presses Tab until `control` has the focus, within one round of the window.
    static void tabTo(QWidget* control) {
        for (int tabs = 0; tabs < 12 && QApplication::focusWidget() != control; ++tabs)
            press(Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() == control,
                 qPrintable("Tab never reaches " + control->objectName()));
    }

    // Tabs into the group of options, moves to `option` with the arrow keys and chooses it with
    // Space, unless moving there chose it already (an arrow key from the chosen option does).
    static void choose(OptionButton* option) {
        const auto focus = [] { return qobject_cast<OptionButton*>(QApplication::focusWidget()); };
        for (int tabs = 0; tabs < 12 && !focus(); ++tabs)
            press(Qt::Key_Tab);
        for (int arrows = 0; arrows < 3 && focus() && focus() != option; ++arrows)
            press(option->y() > focus()->y() ? Qt::Key_Down : Qt::Key_Up);
        if (!option->isChecked())
            press(Qt::Key_Space);
        QVERIFY2(focus() == option && option->isChecked(),
                 qPrintable(option->objectName() + " cannot be chosen"));
    }

    // Tab to Next and Enter, as a user moves the wizard on.
    static void next(frmWizard* wizard) {
        tabTo(wizard->butNext);
        press(Qt::Key_Return);
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(folder.path()));
        writeFile("readme.txt", "How to use Tovrin\r\n");
    }

    void cleanup() { endSession(session); }

    void wholeSession() {
        session = std::make_unique<TestSession>();
        ScriptedPlatform& platform = session->platform;
        Program& program = session->program;
        const MODULE11& shared = program.shared;
        const QString listFile = folder.filePath("words.tvr");
        startProgram(program);
        frmWizard* wizard = program.wizard.get();
        QVERIFY(wizard && activate(wizard));
        QCOMPARE(QApplication::focusWidget(), wizard->butNext);

        // The readme: its viewer opens and the wizard stays on its first page.
        choose(wizard->Option3);
        next(wizard);
        QPointer<Form5> viewer = program.readme.get();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(pageOnTop(wizard), 0);
        // Alt+F4 belongs to the window manager, and what it sends the window is a close().
        viewer->close();
        QVERIFY(activate(wizard));

        // A new list: Enter and Alt+N store a word each, a word left in the box joins at Next.
        choose(wizard->Option2);
        next(wizard);
        QCOMPARE(pageOnTop(wizard), 1);
        QCOMPARE(QApplication::focusWidget(), wizard->Word);
        type("cat");
        press(Qt::Key_Return);
        type(u"café"_qs);
        press(Qt::Key_N, Qt::AltModifier);
        // An access key presses its button the way a click looks, after Qt's short press.
        QTRY_COMPARE(shared.WordCount, 3);
        QCOMPARE(wizard->Label5->text(), "Type in Word 3");
        type("mouse");
        platform.answer(Platform::Answer::Yes);
        platform.chooseFile(listFile);
        next(wizard);
        QCOMPARE(pageOnTop(wizard), 2);
        QCOMPARE(wizard->CheckWords->toPlainText(), u"cat\ncafé\nmouse\n"_qs);
        QFile saved(listFile);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("\"cat\"\r\n\"caf\xE9\"\r\n\"mouse\"\r\n"));

        // No on the review starts again with an empty list.
        choose(wizard->Option5);
        QCOMPARE(wizard->butNext->text(), "Restart");
        next(wizard);
        QCOMPARE(pageOnTop(wizard), 0);
        QCOMPARE(shared.WordCount, 1);

        // The saved list comes back, and Yes hands it over to the practice.
        choose(wizard->Option1);
        platform.chooseFile(listFile);
        next(wizard);
        QCOMPARE(pageOnTop(wizard), 2);
        QCOMPARE(wizard->CheckWords->toPlainText(), u"cat\ncafé\nmouse\n"_qs);
        choose(wizard->Option4);
        QCOMPARE(wizard->butNext->text(), "Finished");
        // Nothing is said in the wizard.
        QVERIFY(platform.said.isEmpty());
        platform.answer(Platform::Answer::Ok);
        next(wizard);
        QPointer<Main> practice = program.practice.get();
        QVERIFY(practice && practice->isVisible() && !program.wizard.isOpen());

        // Each word is typed in the entry box and Enter pressed, the first attempt of all wrong;
        // the last right attempt opens the recall window, where the word is typed again.
        QStringList practised;
        for (int word = 1; word <= 3; ++word) {
            QVERIFY(activate(practice));
            QCOMPARE(QApplication::focusWidget(), practice->TWord);
            const QString shown = practice->Word->text();
            practised.append(shown);
            platform.driveModal([&, shown, last = word == 3](QDialog& recall) {
                QVERIFY(activate(&recall));
                QCOMPARE(QApplication::focusWidget(), static_cast<Form1&>(recall).TypedWord);
                type(shown);
                platform.answer(Platform::Answer::Ok);
                if (last)
                    platform.answer(Platform::Answer::No);
                press(Qt::Key_Return);
            });
            if (word == 1) {
                type(shown + "s");
                platform.answer(Platform::Answer::Ok);
                press(Qt::Key_Return);
                const qsizetype said = platform.said.size();
                press(Qt::Key_F5);
                QCOMPARE(platform.said.mid(said), QStringList{shown});
            }
            for (qsizetype right = 0; right < (characterCount(shown) + 1) / 2; ++right) {
                QCOMPARE(QApplication::focusWidget(), practice->TWord);
                type(shown);
                platform.answer(Platform::Answer::Ok);
                press(Qt::Key_Return);
            }
        }
        practised.sort();
        QCOMPARE(practised, QStringList({u"café"_qs, "cat", "mouse"}));
        QCOMPARE(platform.modalWindows, 3);
        QVERIFY(platform.ended);
        QStringList told;
        for (const ScriptedPlatform::Message& message : std::as_const(platform.messages))
            told.append(message.text);
        QCOMPARE(told.count("Wrong! See The Missing Letters.  Each Dash is a Mistake"), 1);
        QCOMPARE(told.last(), "You Made 1 Errors on the 3 words.  More Practice");
    }
};

QTEST_MAIN(KeyboardSessionTest)
#include "tst_keyboard_session.moc"
