// The real desktop platform, in the application's own event loop: the random generator; ending the
// program while a box is open. tests/app/tst_keyboard.py plays a whole session on the real program
// with the keys alone.

#include "TestSession.h"
#include "core/DesktopPlatform.h"
#include "wizard/Form5.h"
#include "wizard/StartProgram.h"

#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>

class DesktopTest : public QObject {
    Q_OBJECT

    DesktopPlatform platform;

private slots:
    void cleanup() { verifyNoWindowLeft(); }

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

    // Ending the program with a box open leaves every loop and shows nothing more; the wizard and
    // the readme viewer beside it close too. Boxes and the file dialog take the windows' face; the
    // windows carry the icon, and what docks tie them to.
    void endingInsideAMessageBoxLeavesEveryLoop() {
        Program program(platform);
        startProgram(program);
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
        QCOMPARE(QApplication::font().families().constFirst(), "Liberation Sans");
        QVERIFY(!QApplication::windowIcon().availableSizes().isEmpty());
        QCOMPARE(QGuiApplication::desktopFileName(), "org.tovrin.Tovrin");
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
