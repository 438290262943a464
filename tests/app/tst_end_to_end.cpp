// The program as it starts on a desktop, run in the application's event loop on the desktop
// platform: real message boxes, Qt's own file dialog and the recall window as a real modal
// window, all answered by keys, from a responder that looks at what is on screen at each turn of
// the event loop.

#include "TestSession.h"
#include "WizardDriver.h"
#include "core/DesktopPlatform.h"
#include "core/Program.h"
#include "practice/Form1.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"
#include "wizard/StartProgram.h"
#include "wizard/frmWizard.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// A message box the script expects, the key that answers it and how often it comes.
struct ExpectedBox {
    QString text;
    Qt::Key key;
    int times;
    int seen = 0;
};

// Plays the user. At every turn of whichever event loop runs, modal loops included, it looks at
// the active modal widget or the window in front and queues the keys a user would press there.
// The keys go out from a timer of their own, so that a box they open runs its loop while the
// responder keeps turning. It fails, and ends the program, on a box the script does not expect,
// and when nothing has moved on for a great many turns.
class Responder : public QObject {
public:
    Responder(Program& program, QList<ExpectedBox>& boxes)
        : program_(program)
        , boxes_(boxes) {
        connect(&turns_, &QTimer::timeout, this, &Responder::turn);
        turns_.start(0);
    }

    QString failure;
    QStringList practised;

private:
    // Turns of the event loop without a step forward before the script counts as stalled; a step
    // waits only for Qt to deliver events and to activate a window.
    static constexpr int StalledTurns = 100000;

    void turn() {
        if (pending_)
            return;
        if (++idleTurns_ > StalledTurns)
            return fail("the script stalled, " + onScreen());
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            answerBox(box);
        else if (auto* dialog = qobject_cast<QFileDialog*>(modal))
            nameFile(dialog);
        else if (auto* recall = qobject_cast<Form1*>(modal))
            recallWord(recall);
        else if (modal)
            fail("unexpected modal window " + modal->objectName());
        else if (frmWizard* wizard = program_.wizard.get())
            useWizard(wizard);
        else if (Main* practice = program_.practice.get())
            practise(practice);
    }

    static QString onScreen() {
        const QWidget* front = QApplication::activeModalWidget();
        if (!front)
            front = QApplication::activeWindow();
        return front ? "with " + front->objectName() + " in front" : "with no window in front";
    }

    // Whether `window` has the keyboard; if not, it is given it, as a window manager would.
    bool ready(QWidget* window) {
        if (QApplication::activeWindow() == window)
            return true;
        window->activateWindow();
        return false;
    }

    void act(std::function<void()> keys) {
        pending_ = true;
        idleTurns_ = 0;
        QTimer::singleShot(0, this, [this, keys] {
            pending_ = false;
            keys();
        });
    }

    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    static void tabTo(QWidget* control) {
        for (int tabs = 0; tabs < 12 && QApplication::focusWidget() != control; ++tabs)
            press(Qt::Key_Tab);
    }

    void answerBox(QMessageBox* box) {
        if (!ready(box))
            return;
        const auto expected = std::find_if(boxes_.begin(), boxes_.end(), [box](const auto& each) {
            return each.text == box->text() && each.seen < each.times;
        });
        if (expected == boxes_.end())
            return fail("unexpected message box \"" + box->text() + "\"");
        ++expected->seen;
        act([key = expected->key] { press(key); });
    }

    void nameFile(QFileDialog* dialog) {
        if (!ready(dialog))
            return;
        act([this, dialog] {
            auto* name = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            if (!name || !dialog->isAncestorOf(name))
                return fail("the file dialog does not start in its name box");
            typeText(name, "words.tvr");
            press(Qt::Key_Return);
        });
    }

    void useWizard(frmWizard* wizard) {
        if (!ready(wizard))
            return;
        switch (pageOnTop(wizard)) {
        case 0:
            // "Create a new list" is chosen, and Next has the focus.
            return act([] { press(Qt::Key_Return); });
        case 1:
            return act([wizard] {
                for (const char* word : {"cat", "dog", "mouse"}) {
                    typeText(wizard->Word, word);
                    press(Qt::Key_Return);
                }
                tabTo(wizard->butNext);
                press(Qt::Key_Return);
            });
        case 2:
            if (wizard->CheckWords->toPlainText() != "cat\ndog\nmouse\n")
                return fail("the review shows " + wizard->CheckWords->toPlainText());
            // "Yes" is chosen.
            return act([wizard] {
                tabTo(wizard->butNext);
                press(Qt::Key_Return);
            });
        default:
            return fail("no wizard page in front");
        }
    }

    // Types the word on show, or what it was before letters were hidden, and presses Enter; the
    // very first attempt is wrong.
    void practise(Main* practice) {
        if (!ready(practice))
            return;
        if (QApplication::focusWidget() != practice->TWord)
            return fail("the entry box does not have the focus");
        if (!practice->Word->text().contains(' ')) {
            word_ = practice->Word->text();
            if (!practised.contains(word_))
                practised.append(word_);
        }
        const QString attempt = practised.size() == 1 && !wrongTyped_ ? word_ + "s" : word_;
        wrongTyped_ = true;
        act([practice, attempt] {
            typeText(practice->TWord, attempt);
            press(Qt::Key_Return);
        });
    }

    void recallWord(Form1* recall) {
        if (!ready(recall))
            return;
        act([this, recall] {
            if (QApplication::focusWidget() != recall->TypedWord)
                return fail("the recall window's box does not have the focus");
            typeText(recall->TypedWord, word_);
            press(Qt::Key_Return);
        });
    }

    void fail(const QString& why) {
        if (failure.isEmpty())
            failure = why;
        turns_.stop();
        program_.end();
    }

    Program& program_;
    QList<ExpectedBox>& boxes_;
    QTimer turns_;
    bool pending_ = false;
    int idleTurns_ = 0;
    QString word_;
    bool wrongTyped_ = false;
};

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void initTestCase() {
        // The file dialog remembers its state in the user's settings; keep that out of them.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QDir::setCurrent(folder.path()));
    }

    // A teacher types cat, dog and mouse and saves them; a student practises each through its
    // recall, with one wrong attempt, and declines more practice.
    void teacherAndStudent() {
        QList<ExpectedBox> boxes{
            {"Save Your List?", Qt::Key_Return, 1},
            {"Students can now practice spelling the words", Qt::Key_Return, 1},
            {"Wrong! See The Missing Letters.  Each Dash is a Mistake", Qt::Key_Return, 1},
            // Two right attempts at each three-letter word, three at "mouse".
            {"Right!", Qt::Key_Return, 7},
            {"You Now Know how to spell 'cat'.", Qt::Key_Return, 1},
            {"You Now Know how to spell 'dog'.", Qt::Key_Return, 1},
            {"You Now Know how to spell 'mouse'.", Qt::Key_Return, 1},
            // Escape answers No.
            {"You Made 1 Errors on the 3 words.  More Practice", Qt::Key_Escape, 1},
        };
        int exitCode = -1;
        {
            // As the program starts on a desktop.
            QApplication::setApplicationName(Program::Title);
            DesktopPlatform platform;
            Program program(platform);
            Responder responder(program, boxes);
            startProgram(program);
            exitCode = QApplication::exec();
            QVERIFY2(responder.failure.isEmpty(), qPrintable(responder.failure));
            QVERIFY(program.hasEnded());
            responder.practised.sort();
            QCOMPARE(responder.practised, QStringList({"cat", "dog", "mouse"}));
        }
        QCOMPARE(exitCode, 0);
        for (const ExpectedBox& box : std::as_const(boxes))
            QVERIFY2(box.seen == box.times, qPrintable(box.text));
        QFile saved(folder.filePath("words.tvr"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("\"cat\"\r\n\"dog\"\r\n\"mouse\"\r\n"));
        verifyNoWindowLeft();
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_end_to_end.moc"
