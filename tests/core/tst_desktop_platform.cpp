// The real desktop platform: Qt's message boxes and file dialog, modal windows, the random
// generator, and ending the program while a modal box is open.

#include "core/CommonDialog.h"
#include "core/DesktopPlatform.h"
#include "core/FileFilter.h"
#include "core/Program.h"
#include "wizard/Form5.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>

namespace {

// Runs `answer` from a zero-delay timer, so from inside the next modal loop, with the dialog that
// loop is modal for. A modal dialog of another kind is rejected so that its loop still ends.
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

// The patterns that Qt reads from a name filter: those in its last pair of brackets.
QStringList patternsOf(const QString& nameFilter) {
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !nameFilter.endsWith(QLatin1Char(')')))
        return {};
    return nameFilter.mid(open + 1, nameFilter.size() - open - 2)
        .split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Counts the windows that are shown while it is installed on the application.
class WindowShowCounter : public QObject {
public:
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            ++shown;
        return false;
    }
};

const QString TovrinFilter = QStringLiteral("All files (*.*)|*.*|Tovrin Files (*.tvr)|*.tvr");

} // namespace

class DesktopPlatformTest : public QObject {
    Q_OBJECT

    DesktopPlatform platform;

private slots:
    void initTestCase() {
        // The file dialog remembers its state in the user's settings; keep that out of them.
        QStandardPaths::setTestModeEnabled(true);
    }

    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void messageShowsABoxAndReturnsThePressedButton_data() {
        QTest::addColumn<Platform::Buttons>("buttons");
        QTest::addColumn<Platform::Icon>("icon");
        QTest::addColumn<QMessageBox::StandardButtons>("shownButtons");
        QTest::addColumn<QMessageBox::Icon>("shownIcon");
        QTest::addColumn<QMessageBox::StandardButton>("press");
        QTest::addColumn<Platform::Answer>("answer");
        using B = Platform::Buttons;
        using I = Platform::Icon;
        const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::addRow("OK") << B::Ok << I::None << QMessageBox::StandardButtons(QMessageBox::Ok)
                            << QMessageBox::NoIcon << QMessageBox::Ok << Platform::Answer::Ok;
        QTest::addRow("OK, exclamation")
            << B::Ok << I::Exclamation << QMessageBox::StandardButtons(QMessageBox::Ok)
            << QMessageBox::Warning << QMessageBox::Ok << Platform::Answer::Ok;
        QTest::addRow("Yes") << B::YesNo << I::None << yesNo << QMessageBox::NoIcon
                             << QMessageBox::Yes << Platform::Answer::Yes;
        QTest::addRow("No") << B::YesNo << I::None << yesNo << QMessageBox::NoIcon
                            << QMessageBox::No << Platform::Answer::No;
    }

    void messageShowsABoxAndReturnsThePressedButton() {
        QFETCH(Platform::Buttons, buttons);
        QFETCH(Platform::Icon, icon);
        QFETCH(QMessageBox::StandardButtons, shownButtons);
        QFETCH(QMessageBox::Icon, shownIcon);
        QFETCH(QMessageBox::StandardButton, press);
        QFETCH(Platform::Answer, answer);

        struct {
            bool open = false;
            QString text;
            QString title;
            QMessageBox::StandardButtons buttons;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
        } seen;
        QObject scope;
        answerModal<QMessageBox>(scope, [&seen, press](QMessageBox& box) {
            seen = {box.isVisible(), box.text(), box.windowTitle(), box.standardButtons(),
                    box.icon()};
            if (QAbstractButton* button = box.button(press))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                box.reject();
        });
        QCOMPARE(platform.message("Save the list first?", "Word list", buttons, icon), answer);
        QVERIFY(seen.open);
        QCOMPARE(seen.text, "Save the list first?");
        QCOMPARE(seen.title, "Word list");
        QCOMPARE(seen.buttons, shownButtons);
        QCOMPARE(seen.icon, shownIcon);
    }

    void escapeOnAYesNoBoxAnswersNo() {
        bool open = false;
        QObject scope;
        answerModal<QMessageBox>(scope, [&open](QMessageBox& box) {
            open = box.isVisible();
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        QCOMPARE(platform.message("Quit?", "Tovrin", Platform::Buttons::YesNo,
                                  Platform::Icon::Exclamation),
                 Platform::Answer::No);
        QVERIFY(open);
    }

    void showOpenUsesTheFileDialog_data() {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<QString>("selectedFilter");
        QTest::addColumn<QString>("typed");
        QTest::addRow("a new name, second filter") << QString() << 2 << "Tovrin Files (*.tvr)"
                                                   << "new.tvr";
        QTest::addRow("a new name, first filter") << QString() << 1 << "All files (*)"
                                                  << "new";
        QTest::addRow("starts on the earlier name") << "earlier.tvr" << 2 << "Tovrin Files (*.tvr)"
                                                    << "other.tvr";
        QTest::addRow("cancelled") << QString() << 2 << "Tovrin Files (*.tvr)" << QString();
        QTest::addRow("cancelled, the earlier name stays")
            << "earlier.tvr" << 2 << "Tovrin Files (*.tvr)" << QString();
    }

    void showOpenUsesTheFileDialog() {
        QFETCH(QString, earlier);
        QFETCH(int, filterIndex);
        QFETCH(QString, selectedFilter);
        QFETCH(QString, typed);

        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        const QDir folder(QDir(temporary.path()).canonicalPath());
        const QString earlierPath = earlier.isEmpty() ? QString() : folder.filePath(earlier);
        CommonDialog settings{TovrinFilter, filterIndex, earlierPath};

        struct {
            bool open = false;
            bool qtOwn = false;
            QStringList filters;
            QString selectedFilter;
            QString folder;
            QStringList selected;
        } seen;
        QObject scope;
        // Without an earlier name the dialog starts wherever it likes, so the full path is typed.
        const QString typedName =
            typed.isEmpty() || !earlier.isEmpty() ? typed : folder.filePath(typed);
        answerModal<QFileDialog>(scope, [&seen, typedName](QFileDialog& dialog) {
            seen = {dialog.isVisible(),
                    dialog.testOption(QFileDialog::DontUseNativeDialog),
                    dialog.nameFilters(),
                    dialog.selectedNameFilter(),
                    dialog.directory().absolutePath(),
                    dialog.selectedFiles()};
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            auto* box = dialog.findChild<QDialogButtonBox*>("buttonBox");
            if (!name || !box) {
                dialog.reject();
                return;
            }
            if (!typedName.isEmpty())
                name->setText(typedName);
            QAbstractButton* button = box->button(typedName.isEmpty() ? QDialogButtonBox::Cancel
                                                                      : QDialogButtonBox::Open);
            if (button && button->isEnabled())
                QTest::mouseClick(button, Qt::LeftButton);
            else
                dialog.reject();
        });

        const bool accepted = platform.showOpen(settings);
        QVERIFY(seen.open);
        QVERIFY(seen.qtOwn);
        QCOMPARE(seen.filters, QStringList({"All files (*)", "Tovrin Files (*.tvr)"}));
        QCOMPARE(seen.selectedFilter, selectedFilter);
        if (!earlier.isEmpty()) {
            QCOMPARE(seen.folder, folder.path());
            QCOMPARE(seen.selected, QStringList{earlierPath});
        }
        QCOMPARE(accepted, !typed.isEmpty());
        QCOMPARE(settings.FileName, typed.isEmpty() ? earlierPath : folder.filePath(typed));
    }

    void nameFiltersListTheRightFiles_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("nameFilters");
        QTest::addColumn<QList<QStringList>>("listed");
        QTest::addRow("the word list filter")
            << TovrinFilter << QStringList{"All files (*)", "Tovrin Files (*.tvr)"}
            << QList<QStringList>{{"README", "notes.txt", "words.tvr"}, {"words.tvr"}};
        QTest::addRow("several patterns, no brackets")
            << "Lists|*.tvr;*.txt" << QStringList{"Lists (*.tvr *.txt)"}
            << QList<QStringList>{{"notes.txt", "words.tvr"}};
    }

    // "*.*" lists every file, names without a dot too.
    void nameFiltersListTheRightFiles() {
        QFETCH(QString, filter);
        QFETCH(QStringList, nameFilters);
        QFETCH(QList<QStringList>, listed);
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        const QDir folder(temporary.path());
        for (const char* name : {"README", "notes.txt", "words.tvr"}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(qtNameFilters(filter), nameFilters);
        for (qsizetype entry = 0; entry < nameFilters.size(); ++entry)
            QCOMPARE(folder.entryList(patternsOf(nameFilters.at(entry)), QDir::Files, QDir::Name),
                     listed.at(entry));
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

    void randomDrawsSpreadOverTheUnitInterval() {
        constexpr int draws = 10000;
        double low = 1.0;
        double high = 0.0;
        double sum = 0.0;
        for (int i = 0; i < draws; ++i) {
            const double x = platform.random();
            QVERIFY2(x >= 0.0 && x < 1.0, qPrintable(QString::number(x, 'g', 17)));
            low = std::min(low, x);
            high = std::max(high, x);
            sum += x;
        }
        QVERIFY(low < 0.01);
        QVERIFY(high > 0.99);
        QVERIFY(std::abs(sum / draws - 0.5) < 0.05);
    }

    void reseedingStartsAnotherSequence() {
        DesktopPlatform unchanged = platform;
        platform.reseedFromClock();
        bool differs = false;
        for (int i = 0; i < 8; ++i)
            differs = platform.random() != unchanged.random() || differs;
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

        bool timedOut = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&timedOut] {
            timedOut = true;
            rejectOpenDialogs();
            QCoreApplication::exit(1);
        });
        watchdog.start(5000);

        QPointer<QMessageBox> box;
        bool boxOpen = false;
        bool returned = false;
        Platform::Answer answer = Platform::Answer::Yes;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            answerModal<QMessageBox>(scope, [&](QMessageBox& shown) {
                box = &shown;
                boxOpen = shown.isVisible();
                program.end();
            });
            answer = program.message("Start the practice?", Platform::Buttons::YesNo);
            returned = true;
        });
        const int code = QApplication::exec();
        watchdog.stop();

        QVERIFY(!timedOut);
        QCOMPARE(code, 0);
        QVERIFY(boxOpen);
        QVERIFY(returned);
        QCOMPARE(answer, Platform::Answer::No);
        QVERIFY(box.isNull());
        QVERIFY(program.hasEnded());
        QVERIFY(!program.readme.isOpen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull());

        // Once ended nothing is shown any more. Should a box appear all the same, it is rejected
        // from inside its loop rather than left to block.
        const auto askLater = [&program](Platform::Buttons buttons) {
            QObject rescue;
            QTimer::singleShot(0, &rescue, &rejectOpenDialogs);
            return program.message("Again?", buttons);
        };
        WindowShowCounter counter;
        QApplication::instance()->installEventFilter(&counter);
        const Platform::Answer later = askLater(Platform::Buttons::YesNo);
        const Platform::Answer laterOk = askLater(Platform::Buttons::Ok);
        QApplication::instance()->removeEventFilter(&counter);
        QCOMPARE(later, Platform::Answer::No);
        QCOMPARE(laterOk, Platform::Answer::Ok);
        QCOMPARE(counter.shown, 0);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(DesktopPlatformTest)
#include "tst_desktop_platform.moc"
