// The real desktop platform: Qt's message boxes and file dialog, modal windows, the random
// generator, and ending the program while a modal box is open.

#include "AccessibleEvents.h"
#include "core/CommonDialog.h"
#include "core/DesktopPlatform.h"
#include "core/FileFilter.h"
#include "core/Placement.h"
#include "core/Program.h"
#include "wizard/Form5.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>

Q_IMPORT_PLUGIN(AccessibleEventsPlugin)

namespace {

// Runs `answer` from a zero-delay timer, so from inside the next modal loop, with the dialog that
// loop is modal for; a modal dialog of another kind is rejected so that its loop still ends.
// Destroying `scope` first cancels the answer.
template <class Dialog, class Answer> void answerModal(QObject& scope, Answer answer) {
    QTimer::singleShot(0, &scope, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(modal))
            answer(*dialog);
        else if (auto* other = qobject_cast<QDialog*>(modal))
            other->reject();
    });
}

void rejectOpenDialogs() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
            dialog->reject();
}

const QString TovrinFilter = "All files (*.*)|*.*|Tovrin Files (*.tvr)|*.tvr";
const QStringList TovrinNameFilters{"All files (*)", "Tovrin Files (*.tvr)"};

} // namespace

class DesktopPlatformTest : public QObject {
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
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        const QStringList stored =
            QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QVERIFY2(stored.isEmpty(), qPrintable(stored.join(", ")));
    }

    void messageShowsABoxAndReturnsThePressedButton_data() {
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

    void messageShowsABoxAndReturnsThePressedButton() {
        QFETCH(Platform::Buttons, buttons);
        QFETCH(Platform::Icon, icon);
        QFETCH(QMessageBox::StandardButton, press);
        QFETCH(Platform::Answer, answer);
        bool open = false;
        QStringList seen;
        QMessageBox::StandardButtons seenButtons;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        Qt::TextFormat seenFormat = Qt::AutoText;
        // What the user must see while the box is open: the box goes beside it, on the screen.
        const QRect keepClear(60, 100, 420, 280);
        QRect placed;
        QObject scope;
        answerModal<QMessageBox>(scope, [&, press](QMessageBox& box) {
            open = box.isVisible();
            seen = {box.windowTitle(), box.text()};
            seenButtons = box.standardButtons();
            seenIcon = box.icon();
            seenFormat = box.textFormat();
            placed = box.frameGeometry();
            if (press == QMessageBox::NoButton)
                QTest::keyClick(&box, Qt::Key_Escape);
            else if (QAbstractButton* button = box.button(press))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                box.reject();
        });
        QCOMPARE(platform.message("Save the list first?", "Word list", buttons, icon, keepClear),
                 answer);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(!placed.intersects(keepClear) && screen.contains(placed),
                 qPrintable(QDebug::toString(placed)));
        QVERIFY(open);
        QCOMPARE(seen, QStringList({"Word list", "Save the list first?"}));
        QCOMPARE(seenButtons, buttons == Platform::Buttons::Ok
                                  ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                  : QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(seenIcon,
                 icon == Platform::Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
        // A word such as <img src=f> is shown as typed, never loaded from a file.
        QCOMPARE(seenFormat, Qt::PlainText);
    }

    // A screen reader is told of each box as it opens: an alert named by its title, with the
    // message to speak.
    void messageIsAnnouncedAsAnAlert() {
        QObject scope;
        answerModal<QMessageBox>(scope,
                                 [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
        accessibleEvents().clear();
        QCOMPARE(platform.message("Save Your List?", "Tovrin", Platform::Buttons::YesNo,
                                  Platform::Icon::None, {}),
                 Platform::Answer::Yes);
        QList<AccessibleEvent> alerts;
        for (const AccessibleEvent& event : std::as_const(accessibleEvents()))
            if (event.type == QAccessible::Alert)
                alerts.append(event);
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts.first().role, QAccessible::AlertMessage);
        QCOMPARE(alerts.first().name, "Tovrin");
        QCOMPARE(alerts.first().description, "Save Your List?");
    }

    void placesBesideWhatMustStayInView_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("keepClear");
        // The frame as it is, and as small as it may be made.
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("smallest");
        QTest::addColumn<QRect>("placed");
        const QRect laptop(0, 0, 1366, 768);
        const QRect wizard(76, 109, 446, 385);
        const QSize viewer(428, 415);
        QTest::newRow("on the right")
            << laptop << wizard << viewer << viewer << QRect(QPoint(530, 109), viewer);
        QTest::newRow("on the left, lined up on the screen")
            << laptop << QRect(900, 500, 400, 200) << viewer << viewer
            << QRect(QPoint(464, 353), viewer);
        QTest::newRow("below") << laptop << QRect(0, 0, 1366, 300) << viewer << viewer
                               << QRect(QPoint(0, 308), viewer);
        QTest::newRow("above") << laptop << QRect(0, 500, 1366, 268) << viewer << viewer
                               << QRect(QPoint(0, 77), viewer);
        QTest::newRow("made smaller on the right")
            << QRect(0, 0, 800, 800) << wizard << viewer << viewer / 2 << QRect(530, 109, 270, 415);
        QTest::newRow("no room: the most, on the screen")
            << QRect(0, 0, 640, 480) << QRect(100, 100, 300, 200) << viewer << viewer
            << QRect(QPoint(212, 65), viewer);
    }
    void placesBesideWhatMustStayInView() {
        QFETCH(QRect, screen);
        QFETCH(QRect, keepClear);
        QFETCH(QSize, frame);
        QFETCH(QSize, smallest);
        QFETCH(QRect, placed);
        QCOMPARE(placeBeside(frame, keepClear, screen, smallest), placed);
    }

    void showOpenUsesTheFileDialog_data() {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<int>("filterIndex");
        // Empty to cancel.
        QTest::addColumn<QString>("typed");
        QTest::newRow("a new name, second filter") << QString() << 2 << "new.tvr";
        QTest::newRow("a new name, first filter") << QString() << 1 << "new";
        QTest::newRow("starts on the earlier name") << "earlier.tvr" << 2 << "other.tvr";
        QTest::newRow("cancelled") << QString() << 2 << QString();
        QTest::newRow("cancelled, the earlier name stays") << "earlier.tvr" << 2 << QString();
    }

    void showOpenUsesTheFileDialog() {
        QFETCH(QString, earlier);
        QFETCH(int, filterIndex);
        QFETCH(QString, typed);
        QTemporaryDir temporary;
        const QDir folder(QDir(temporary.path()).canonicalPath());
        const QString earlierPath = earlier.isEmpty() ? QString() : folder.filePath(earlier);
        CommonDialog settings{TovrinFilter, filterIndex, earlierPath};
        bool open = false;
        QStringList seen;
        QObject scope;
        answerModal<QFileDialog>(scope, [&](QFileDialog& dialog) {
            open = dialog.isVisible() && dialog.testOption(QFileDialog::DontUseNativeDialog);
            seen = dialog.nameFilters();
            seen << dialog.selectedNameFilter() << dialog.directory().absolutePath()
                 << dialog.selectedFiles();
            if (typed.isEmpty())
                return dialog.reject();
            dialog.selectFile(folder.filePath(typed));
            // As the Open button does.
            static_cast<QDialog&>(dialog).accept();
        });
        const bool accepted = platform.showOpen(settings);
        QVERIFY(open);
        QCOMPARE(seen.mid(0, 3),
                 TovrinNameFilters + QStringList{TovrinNameFilters.at(filterIndex - 1)});
        if (!earlier.isEmpty())
            QCOMPARE(seen.mid(3), QStringList({folder.path(), earlierPath}));
        QCOMPARE(accepted, !typed.isEmpty());
        QCOMPARE(settings.FileName, typed.isEmpty() ? earlierPath : folder.filePath(typed));
    }

    // "*.*" lists every file, names without a dot too.
    void nameFiltersListTheRightFiles() {
        QTemporaryDir temporary;
        const QDir folder(temporary.path());
        for (const char* name : {"README", "notes.txt", "words.tvr"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        QList<QStringList> listed;
        // Qt reads the patterns from the last pair of brackets.
        for (const QString& filter : qtNameFilters(TovrinFilter))
            listed.append(folder.entryList(filter.section('(', -1).chopped(1).split(' '),
                                           QDir::Files, QDir::Name));
        QCOMPARE(listed, QList<QStringList>({{"README", "notes.txt", "words.tvr"}, {"words.tvr"}}));
    }

    void showModalReturnsOnceTheWindowIsClosed() {
        QDialog window;
        bool returned = false;
        bool open = false;
        QObject scope;
        answerModal<QDialog>(scope, [&](QDialog& modal) {
            open = &modal == &window && window.isVisible() && !returned;
            modal.close();
        });
        platform.showModal(window);
        returned = true;
        QVERIFY(open);
        QVERIFY(!window.isVisible());
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
            QVERIFY2(x >= 0.0 && x < 1.0, qPrintable(QString::number(x, 'g', 17)));
            low = std::min(low, x);
            high = std::max(high, x);
            sum += x;
            differs = differs || reseeded.random() != unchanged.random();
        }
        QVERIFY(low < 0.01 && high > 0.99 && std::abs(sum / 10000 - 0.5) < 0.05);
        QVERIFY(differs);
    }

    // Ends the program for real, so it must stay the only test that runs the application's loop.
    void endingInsideAMessageBoxLeavesEveryLoop() {
        DesktopPlatform desktop;
        Program program(desktop);
        // The readme viewer asks nothing when it opens.
        QPointer<Form5> viewer = program.readme.use();
        QVERIFY(viewer);
        viewer->show();
        QObject scope;
        // Should a loop be left open, this ends the test rather than leave it blocked.
        QTimer::singleShot(5000, &scope, [] {
            rejectOpenDialogs();
            QCoreApplication::exit(1);
        });
        QPointer<QMessageBox> box;
        bool boxOpen = false;
        bool returned = false;
        Platform::Answer answer = Platform::Answer::Yes;
        QTimer::singleShot(0, &scope, [&] {
            answerModal<QMessageBox>(scope, [&](QMessageBox& shown) {
                boxOpen = shown.isVisible();
                box = &shown;
                program.end();
            });
            answer = program.message("Start the practice?", Platform::Buttons::YesNo);
            returned = true;
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(boxOpen && returned);
        QCOMPARE(answer, Platform::Answer::No);
        QVERIFY(box.isNull() && program.hasEnded() && !program.readme.isOpen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull());

        // Once ended nothing is shown any more: a box that appears all the same is rejected from
        // inside its loop, and counted.
        for (Platform::Buttons buttons : {Platform::Buttons::YesNo, Platform::Buttons::Ok}) {
            bool shown = false;
            QObject rescue;
            QTimer::singleShot(0, &rescue, [&shown] {
                shown = QApplication::activeModalWidget() != nullptr;
                rejectOpenDialogs();
            });
            QCOMPARE(program.message("Again?", buttons), buttons == Platform::Buttons::Ok
                                                             ? Platform::Answer::Ok
                                                             : Platform::Answer::No);
            QVERIFY(!shown);
        }
    }
};

QTEST_MAIN(DesktopPlatformTest)
#include "tst_desktop_platform.moc"
