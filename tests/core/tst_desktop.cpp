// The real desktop platform: Qt's message boxes and file dialog, modal windows, the random
// generator, ending the program while a box is open, and a whole session played with the keyboard
// alone, in the application's own event loop.

#include "TestSession.h"
#include "core/DesktopPlatform.h"
#include "practice/Main.h"
#include "wizard/Form5.h"
#include "wizard/StartProgram.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <functional>

namespace {

// Runs `answer` from inside the next modal loop, on the dialog that loop is modal for.
template <class Dialog> void answerModal(QObject& scope, std::function<void(Dialog&)> answer) {
    QTimer::singleShot(0, &scope, [answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            answer(*dialog);
    });
}

// Plays a user at the keyboard: at each turn of whichever event loop runs, modal loops included,
// when the window or box in front is the one the next step expects (a window's name, the start of
// a box's text, or "file" for the file dialog), gives it the keyboard and presses that step's keys
// on whatever has the focus. Keys: a Qt key name ("Return", "Tab", "Escape"), "text:T" typed,
// "tab:N" Tab until the control N has the focus, "word" the word being practised typed, and
// "see:N=T" a check that the control N reads T. A step that no window ever meets ends the program.
class Keyboard : public QObject {
public:
    Keyboard(Program& program, QList<QPair<QString, QString>> steps)
        : program_(program)
        , steps_(std::move(steps)) {
        connect(&turns_, &QTimer::timeout, this, &Keyboard::turn);
        turns_.start(0);
    }
    QStringList failures;
    QStringList boxes;

private:
    void turn() {
        QWidget* front = QApplication::activeModalWidget();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!front && window->isVisible() && window->objectName() != "Form5")
                front = window;
        if (pending_ || !front || steps_.isEmpty())
            return;
        if (++idle_ > 100000)
            return fail("stalled before " + steps_.first().first);
        if (QApplication::activeWindow() != front)
            return front->activateWindow();
        auto* box = qobject_cast<QMessageBox*>(front);
        const QString seen = box                              ? box->text()
                             : front->inherits("QFileDialog") ? "file"
                                                              : front->objectName();
        if (!seen.startsWith(steps_.first().first))
            return;
        if (box)
            boxes.append(seen);
        const QStringList keys = steps_.takeFirst().second.split(u' ', Qt::SkipEmptyParts);
        pending_ = true;
        idle_ = 0;
        QTimer::singleShot(0, this, [this, keys] {
            pending_ = false;
            for (const QString& key : keys)
                press(key);
        });
    }

    void press(const QString& key) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return fail("nothing has the keyboard focus for " + key);
        if (key.startsWith("text:") || key == "word")
            return typeText(focus, key == "word" ? program_.shared.PracticeWord : key.mid(5));
        if (key.startsWith("tab:")) {
            for (int tabs = 0; tabs < 12 && QApplication::focusWidget()->objectName() != key.mid(4);
                 ++tabs)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget()->objectName() != key.mid(4))
                fail("Tab never reaches " + key.mid(4));
            return;
        }
        if (key.startsWith("see:")) {
            const QString read = focus->window()
                                     ->findChild<QWidget*>(key.section(u'=', 0, 0).mid(4))
                                     ->property("text")
                                     .toString();
            if (read != key.section(u'=', 1))
                fail(key + " reads " + read);
            return;
        }
        QTest::keyClick(
            focus, Qt::Key(QMetaEnum::fromType<Qt::Key>().keyToValue(("Key_" + key).toLatin1())));
    }

    void fail(const QString& why) {
        failures.append(why);
        turns_.stop();
        program_.end();
    }

    Program& program_;
    QList<QPair<QString, QString>> steps_;
    QTimer turns_;
    bool pending_ = false;
    int idle_ = 0;
};

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    DesktopPlatform platform;
    // The user's home and settings: nothing is ever written there.
    QTemporaryDir home;
    QTemporaryDir elsewhere;

private slots:
    void initTestCase() {
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
        // The font cache is the system's business, not the program's.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(elsewhere.path()));
    }

    void cleanup() {
        verifyNoWindowLeft();
        QCOMPARE(
            QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
    }

    void messageBoxes_data() {
        QTest::addColumn<Platform::Buttons>("buttons");
        QTest::addColumn<Platform::Icon>("icon");
        // The button clicked; none for the Escape key.
        QTest::addColumn<QMessageBox::StandardButton>("press");
        QTest::addColumn<Platform::Answer>("answer");
        using B = Platform::Buttons;
        using I = Platform::Icon;
        using A = Platform::Answer;
        QTest::newRow("OK, exclamation") << B::Ok << I::Exclamation << QMessageBox::Ok << A::Ok;
        QTest::newRow("Yes") << B::YesNo << I::None << QMessageBox::Yes << A::Yes;
        QTest::newRow("No") << B::YesNo << I::None << QMessageBox::No << A::No;
        QTest::newRow("Escape on Yes No")
            << B::YesNo << I::Exclamation << QMessageBox::NoButton << A::No;
    }

    // A box shows its text as typed and is announced as an alert with it; it opens beside what
    // must stay in view, on the screen, and returns the button pressed.
    void messageBoxes() {
        QFETCH(Platform::Buttons, buttons);
        QFETCH(Platform::Icon, icon);
        QFETCH(QMessageBox::StandardButton, press);
        QFETCH(Platform::Answer, answer);
        const QRect keepClear(60, 100, 420, 280);
        QStringList seen;
        QRect placed;
        QObject scope;
        answerModal<QMessageBox>(scope, [&](QMessageBox& box) {
            const QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(&box);
            seen << box.windowTitle() << box.text() << QString::number(box.standardButtons())
                 << QString::number(box.icon()) << QString::number(box.textFormat())
                 << QString::number(alert->role()) << alert->text(QAccessible::Description);
            placed = box.frameGeometry();
            if (press == QMessageBox::NoButton)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                QTest::mouseClick(box.button(press), Qt::LeftButton);
        });
        QCOMPARE(platform.message("x<b>yz</b>", "Word list", buttons, icon, keepClear), answer);
        const int shown =
            buttons == Platform::Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No;
        QCOMPARE(seen,
                 QStringList({"Word list", "x<b>yz</b>", QString::number(shown),
                              QString::number(icon == Platform::Icon::None ? QMessageBox::NoIcon
                                                                           : QMessageBox::Warning),
                              QString::number(Qt::PlainText),
                              QString::number(QAccessible::AlertMessage), "x<b>yz</b>"}));
        QVERIFY(!placed.intersects(keepClear) &&
                QGuiApplication::primaryScreen()->availableGeometry().contains(placed));
    }

    void theFileDialog_data() {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<int>("filterIndex");
        // Empty to cancel.
        QTest::addColumn<QString>("typed");
        QTest::newRow("a new name, second filter") << QString() << 2 << "new.tvr";
        QTest::newRow("starts on the earlier name, first filter") << "earlier.tvr" << 1 << "other";
        QTest::newRow("cancelled, the earlier name stays") << "earlier.tvr" << 2 << QString();
    }
    // Qt's own dialog, in its open form, with the filters given and the name chosen last; it keeps
    // no history in the user's settings.
    void theFileDialog() {
        QFETCH(QString, earlier);
        QFETCH(int, filterIndex);
        QFETCH(QString, typed);
        QTemporaryDir temporary;
        const QDir folder(QDir(temporary.path()).canonicalPath());
        const QString earlierPath = earlier.isEmpty() ? QString() : folder.filePath(earlier);
        CommonDialog settings{"All files (*.*)|*.*|Tovrin Files (*.tvr)|*.tvr", filterIndex,
                              earlierPath};
        QStringList seen;
        QObject scope;
        answerModal<QFileDialog>(scope, [&](QFileDialog& dialog) {
            seen << dialog.nameFilters() << dialog.selectedNameFilter();
            if (!earlier.isEmpty())
                seen << dialog.selectedFiles();
            seen << QString::number(dialog.testOption(QFileDialog::DontUseNativeDialog));
            if (typed.isEmpty())
                return dialog.reject();
            dialog.selectFile(folder.filePath(typed));
            static_cast<QDialog&>(dialog).accept();
        });
        QCOMPARE(platform.showOpen(settings), !typed.isEmpty());
        const QStringList filters{"All files (*)", "Tovrin Files (*.tvr)"};
        QCOMPARE(seen, filters + QStringList{filters.at(filterIndex - 1)} +
                           (earlier.isEmpty() ? QStringList() : QStringList{earlierPath}) +
                           QStringList{"1"});
        QCOMPARE(settings.FileName, typed.isEmpty() ? earlierPath : folder.filePath(typed));
    }

    // Every number in [0, 1) and spread over all of it; reseeding starts another sequence.
    void randomNumbers() {
        DesktopPlatform unchanged = platform;
        DesktopPlatform reseeded = platform;
        reseeded.reseedFromClock();
        double low = 1.0, high = 0.0, sum = 0.0;
        bool differs = false;
        for (int i = 0; i < 10000; ++i) {
            const double x = platform.random();
            QVERIFY(x >= 0.0 && x < 1.0);
            low = std::min(low, x);
            high = std::max(high, x);
            sum += x;
            differs = differs || reseeded.random() != unchanged.random();
        }
        QVERIFY(low < 0.01 && high > 0.99 && std::abs(sum / 10000 - 0.5) < 0.05 && differs);
    }

    // Ending the program with a box open leaves every loop and shows nothing more; the readme
    // viewer, open beside, closes too.
    void endingInsideAMessageBoxLeavesEveryLoop() {
        Program program(platform);
        QPointer<Form5> viewer = program.readme.use();
        viewer->show();
        QObject scope;
        Platform::Answer answer = Platform::Answer::Yes;
        QTimer::singleShot(0, &scope, [&] {
            answerModal<QMessageBox>(scope, [&](QMessageBox&) { program.end(); });
            answer = program.message("Start the practice?", Platform::Buttons::YesNo);
        });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(answer, Platform::Answer::No);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull() && program.hasEnded());
        QCOMPARE(program.message("Again?", Platform::Buttons::Ok), Platform::Answer::Ok);
    }

    // A whole session with the keyboard alone, on the desktop platform in the application's event
    // loop: a list typed and saved through Qt's file dialog, a word of it not ASCII, then every
    // word practised through its recall, one attempt wrong; No at the end.
    void keyboardSession() {
        QTemporaryDir folder;
        QVERIFY(QDir::setCurrent(folder.path()));
        Program program(platform);
        QList<QPair<QString, QString>> steps{
            {"frmWizard", "Return"},
            {"frmWizard", u"text:cat Return text:dog Return text:été tab:butNext Return"_qs},
            {"Save Your List?", "Return"},
            {"file", "text:" + folder.filePath("words.tvr") + " Return"},
            {"frmWizard", "tab:Option4 Space see:butNext=Finished tab:butNext Return"},
            {"Students", "Return"},
            {"Main", "text:x Return"},
            {"Wrong", "Return"}};
        for (int word = 0; word < 3; ++word)
            steps << QPair<QString, QString>{"Main", "word Return"}
                  << QPair<QString, QString>{"Right", "Return"}
                  << QPair<QString, QString>{"Main", "word Return"}
                  << QPair<QString, QString>{"Right", "Return"}
                  << QPair<QString, QString>{"Form1", "word Return"}
                  << QPair<QString, QString>{"You Now", "Return"};
        steps << QPair<QString, QString>{"You Made 1 Errors on the 3 words.  More Practice",
                                         "Escape"};
        Keyboard keyboard(program, steps);
        startProgram(program);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY2(keyboard.failures.isEmpty(), qPrintable(keyboard.failures.join("; ")));
        QCOMPARE(keyboard.boxes.size(), 13);
        QCOMPARE(readFile("words.tvr"), "\"cat\"\r\n\"dog\"\r\n\"\xE9t\xE9\"\r\n");
        QDir::setCurrent(QDir::rootPath());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
