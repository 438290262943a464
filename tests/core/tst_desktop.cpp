// The real desktop platform, in the application's own event loop: a whole session played with the
// keyboard alone through Qt's message boxes and file dialog and the modal recall window; the
// random generator; ending the program while a box is open.

#include "TestSession.h"
#include "core/DesktopPlatform.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"
#include "wizard/Form5.h"
#include "wizard/StartProgram.h"

#include <QAccessible>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

// A user at the keyboard. `keys` are pressed in order on whatever has the focus in the window in
// front. Each box, dialog or modal window that opens meanwhile is noted in `seen` and answered by
// the next of `answers`, pressed through the active modal widget. A key is a Qt key name, "text:T"
// typed, "word" the word being practised typed, "tab:N" Tab until the control N has the focus, or
// "see:N=T", a check that the control N reads T. A fault ends the program.
class Keyboard : public QObject {
public:
    Keyboard(Program& program, const QStringList& keys, const QStringList& answers)
        : program_(program)
        , answers_(answers) {
        connect(&turns_, &QTimer::timeout, this, &Keyboard::answer);
        turns_.start(0);
        QTimer::singleShot(0, this, [this, keys] { press(keys); });
    }
    QStringList seen, failures;

private:
    // Notes the box, dialog or modal window in front once (a box by its title, ? for Yes and No,
    // ! for the exclamation icon) and gives it its answer. A box must be shown as plain text,
    // announced as an alert with its text, and clear of the practice's large lines.
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || handled_.contains(modal))
            return;
        handled_ << modal;
        auto* box = qobject_cast<QMessageBox*>(modal);
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(modal);
        const Main* practice = program_.practice.get();
        if (box &&
            (box->textFormat() != Qt::PlainText || heard->role() != QAccessible::AlertMessage ||
             heard->text(QAccessible::Description) != box->text() ||
             (practice && box->icon() == QMessageBox::Warning &&
              box->frameGeometry().intersects(
                  QRect(practice->mapToGlobal(QPoint()),
                        practice->CorrectWord->geometry().bottomRight())))))
            fail("badly shown: " + box->text());
        const QFileInfo chosen(dialog ? dialog->selectedFiles().value(0) : QString());
        seen << (box ? box->windowTitle() + (box->button(QMessageBox::Yes) ? "?" : "") +
                           (box->icon() == QMessageBox::Warning ? "!" : "")
                 : dialog ? dialog->nameFilters().join(u',') + " " + dialog->selectedNameFilter() +
                                " " + (chosen.isFile() ? chosen.fileName() : QString())
                          : modal->objectName());
        if (answers_.isEmpty())
            return fail("no answer for " + seen.last());
        QTimer::singleShot(0, this,
                           [this, keys = answers_.takeFirst().split(u' ')] { press(keys); });
    }

    void press(const QStringList& keys) {
        for (const QString& key : keys) {
            // The window in front gets the keyboard, as a window manager gives it.
            QWidget* front = QApplication::activeModalWidget();
            for (QWidget* window : QApplication::topLevelWidgets())
                front = front ? front : window->isVisible() ? window : nullptr;
            if (!front || program_.hasEnded())
                return fail("no window for " + key);
            front->activateWindow();
            QCoreApplication::processEvents();
            QWidget* focus = QApplication::focusWidget();
            const QString name = key.section(u'=', 0, 0).section(u':', 1);
            if (key.startsWith("text:") || key == "word")
                typeText(focus, key == "word" ? program_.shared.PracticeWord : key.mid(5));
            for (int tabs = 0; key.startsWith("tab:") && focus->objectName() != name; ++tabs) {
                if (tabs == 12)
                    return fail("Tab never reaches " + name);
                QTest::keyClick(focus, Qt::Key_Tab);
                focus = QApplication::focusWidget();
            }
            if (const QWidget* read = front->findChild<QWidget*>(name);
                key.startsWith("see:") &&
                read->property(read->inherits("QPlainTextEdit") ? "plainText" : "text") !=
                    key.section(u'=', 1))
                fail(key + " reads otherwise");
            if (!key.contains(u':') && key != "word")
                QTest::keyClick(focus, Qt::Key(QMetaEnum::fromType<Qt::Key>().keyToValue(
                                           ("Key_" + key).toLatin1())));
        }
    }

    void fail(const QString& why) {
        failures << why;
        turns_.stop();
        program_.end();
    }

    Program& program_;
    QStringList answers_;
    QList<QPointer<QWidget>> handled_;
    QTimer turns_;
};

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    DesktopPlatform platform;
    // The user's home and settings: nothing is ever written there.
    QTemporaryDir home, elsewhere;

private slots:
    void initTestCase() {
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
        // The font cache is the system's business, not the program's.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(elsewhere.path()));
    }

    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        verifyNoWindowLeft();
        QCOMPARE(
            QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
    }

    // A whole session with the keyboard alone. A list typed, a word of it not ASCII; the file
    // dialog cancelled once, then given a name; No and Restart; the list loaded back, the dialog
    // starting on its name; Yes and Finished; every word practised through its recall, one attempt
    // wrong; No at the end.
    void keyboardSession() {
        QTemporaryDir folder;
        Program program(platform);
        QStringList keys{"has:butNext Return text:cat Return text:dog Return",
                         u"text:été"_qs,
                         "tab:butNext Return tab:butBack Return tab:butNext Return",
                         "tab:Option4 Down see:butNext=Restart tab:butNext Return",
                         "tab:Option2 Up tab:butNext Return",
                         u"see:CheckWords=cat\ndog\nété\n"_qs,
                         "tab:Option5 Up see:butNext=Finished tab:butNext Return text:x Return"};
        QStringList answers{
            "Return", "Escape", "Return", "text:" + folder.filePath("words.tvr") + " Return",
            "Return", "Return", "Return"};
        for (int word = 0; word < 3; ++word) {
            keys << "word Return word Return";
            answers << "Return"
                    << "Return"
                    << "word Return"
                    << "Return";
        }
        answers << "Escape";
        Keyboard keyboard(program, keys.join(u' ').split(u' '), answers);
        startProgram(program);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY2(keyboard.failures.isEmpty(), qPrintable(keyboard.failures.join("; ")));
        QCOMPARE(readFile(folder.filePath("words.tvr")), "\"cat\"\r\n\"dog\"\r\n\"\xE9t\xE9\"\r\n");
        const QString dialog = "All files (*),Tovrin Files (*.tvr) Tovrin Files (*.tvr) ";
        QCOMPARE(keyboard.seen, QStringList({"Tovrin?",
                                             dialog,
                                             "Tovrin?",
                                             dialog,
                                             dialog + "words.tvr",
                                             "Tovrin",
                                             "Wrong!",
                                             "Right!",
                                             "Right!",
                                             "Form1",
                                             "Congratulations",
                                             "Right!",
                                             "Right!",
                                             "Form1",
                                             "Congratulations",
                                             "Right!",
                                             "Right!",
                                             "Form1",
                                             "Congratulations",
                                             "Finished??"}));
        // Boxes and the file dialog in the windows' face; what docks tie the windows to.
        QCOMPARE(QApplication::font().families().constFirst(), "Liberation Sans");
        QVERIFY(!QApplication::windowIcon().availableSizes().isEmpty());
        QCOMPARE(QGuiApplication::desktopFileName(), "org.tovrin.Tovrin");
    }

    // Every number in [0, 1) and spread over all of it; reseeding starts another sequence.
    void randomNumbers() {
        DesktopPlatform reseeded = platform;
        reseeded.reseedFromClock();
        QList<double> drawn, other;
        for (int i = 0; i < 10000; ++i)
            drawn << platform.random(), other << reseeded.random();
        QVERIFY(drawn != other);
        std::sort(drawn.begin(), drawn.end());
        QVERIFY(drawn.first() >= 0.0 && drawn.first() < 0.01 && drawn.last() < 1.0 &&
                drawn.last() > 0.99 && std::abs(drawn[5000] - 0.5) < 0.05);
    }

    // Ending the program with a box open leaves every loop and shows nothing more; the readme
    // viewer, open beside, closes too.
    void endingInsideAMessageBoxLeavesEveryLoop() {
        Program program(platform);
        QPointer<Form5> viewer = program.readme.use();
        viewer->show();
        Platform::Answer answer = Platform::Answer::Yes;
        QTimer::singleShot(0, &program, [&] {
            QTimer::singleShot(0, &program, [&] { program.end(); });
            answer =
                program.message("Start the practice?", Program::Title, Platform::Buttons::YesNo);
        });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(answer, Platform::Answer::No);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull() && program.hasEnded());
        QCOMPARE(program.message("Again?"), Platform::Answer::Ok);
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
