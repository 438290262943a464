// The program's windows, each at most once, and how the program ends.

#include "TestSession.h"
#include "practice/Main.h"
#include "wizard/Form5.h"
#include "wizard/frmWizard.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {

enum class Which { Wizard, Practice, Readme };

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;

    Program& program() { return session->program; }
    ScriptedPlatform& platform() { return session->platform; }

    WindowSlotBase& slot(Which which) {
        if (which == Which::Wizard)
            return program().wizard;
        if (which == Which::Readme)
            return program().readme;
        return program().practice;
    }

    // The practice window, on a list of one word; it greets the student when it is created.
    Main* usePractice() {
        MODULE11& shared = program().shared;
        shared.WordList[1] = QStringLiteral("cat");
        shared.WordList[2] = QStringLiteral("Done");
        shared.WordCount = 2;
        if (!program().practice.isOpen() && !program().hasEnded())
            platform().answer(Platform::Answer::Ok);
        return program().practice.use();
    }

    QWidget* show(Which which) {
        QWidget* window = which == Which::Wizard   ? static_cast<QWidget*>(program().wizard.use())
                          : which == Which::Readme ? static_cast<QWidget*>(program().readme.use())
                                                   : usePractice();
        if (window)
            window->show();
        return window;
    }

private slots:
    void init() { session = std::make_unique<TestSession>(); }

    void cleanup() { endSession(session); }

    void thePracticeWindowExistsOnceAndIsBuiltAnewAfterClosing() {
        QPointer<Main> first = usePractice();
        QVERIFY(first);
        first->show();
        QCOMPARE(usePractice(), first.data());
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        first->TWord->setText("typed");
        first->close();
        QVERIFY(!program().practice.isOpen());
        QVERIFY(!program().practice.get());

        // The old window is still waiting for its deletion, yet it is not handed out again.
        QVERIFY(first);
        QPointer<Main> second = usePractice();
        QVERIFY(second);
        QVERIFY(second != first);
        QVERIFY(second->TWord->text().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(second);
        QCOMPARE(usePractice(), second.data());
    }

    void theProgramEndsWhenTheLastWindowHasClosed_data() {
        QTest::addColumn<QList<Which>>("opened");
        QTest::addColumn<Which>("closed");
        QTest::addColumn<bool>("throughSlot");
        QTest::addColumn<QList<Which>>("shownInTheSameHandler");
        QTest::addColumn<bool>("ends");
        using W = Which;
        const QList<W> both{W::Wizard, W::Practice};
        const QList<W> none;
        QTest::addRow("practice closed, wizard open")
            << both << W::Practice << false << none << false;
        QTest::addRow("wizard closed, practice open")
            << both << W::Wizard << false << none << false;
        QTest::addRow("wizard closed, readme viewer open")
            << QList<W>{W::Wizard, W::Readme} << W::Wizard << false << none << false;
        QTest::addRow("the only window closed")
            << QList<W>{W::Practice} << W::Practice << false << none << true;
        QTest::addRow("the only window closed through its slot")
            << QList<W>{W::Wizard} << W::Wizard << true << none << true;
        QTest::addRow("wizard closed, practice shown")
            << QList<W>{W::Wizard} << W::Wizard << false << QList<W>{W::Practice} << false;
        QTest::addRow("practice closed and shown anew")
            << QList<W>{W::Practice} << W::Practice << true << QList<W>{W::Practice} << false;
    }

    void theProgramEndsWhenTheLastWindowHasClosed() {
        QFETCH(QList<Which>, opened);
        QFETCH(Which, closed);
        QFETCH(bool, throughSlot);
        QFETCH(QList<Which>, shownInTheSameHandler);
        QFETCH(bool, ends);

        for (Which which : opened)
            QVERIFY(show(which));
        QCoreApplication::processEvents();
        QPointer<QWidget> closing = closed == Which::Wizard
                                        ? static_cast<QWidget*>(program().wizard.get())
                                        : program().practice.get();
        QVERIFY(closing);
        if (throughSlot)
            slot(closed).close();
        else
            closing->close();
        QVERIFY(!closing->isVisible());
        for (Which which : shownInTheSameHandler)
            QVERIFY(show(which));
        QVERIFY(!platform().ended);
        QVERIFY(!program().hasEnded());

        QCoreApplication::processEvents();
        QCOMPARE(platform().ended, ends);
        QCOMPARE(program().hasEnded(), ends);
        QCOMPARE(program().wizard.isOpen() || program().practice.isOpen() ||
                     program().readme.isOpen(),
                 !ends);
    }

    void endClosesEveryWindowAndShowsNothingMore() {
        QPointer<QWidget> wizard = show(Which::Wizard);
        QPointer<QWidget> practice = show(Which::Practice);
        QVERIFY(wizard && practice);
        const qsizetype shownBefore = platform().messages.size();
        program().end();
        QVERIFY(platform().ended);
        QVERIFY(program().hasEnded());
        QVERIFY(!program().wizard.isOpen());
        QVERIFY(!program().practice.isOpen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(wizard.isNull());
        QVERIFY(practice.isNull());
        QVERIFY(!program().wizard.use());
        QVERIFY(!program().practice.use());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());

        const QString earlier = QStringLiteral("/lists/earlier.tvr");
        CommonDialog dialog{QStringLiteral("Tovrin Files (*.tvr)|*.tvr"), 1, earlier};
        QVERIFY(!program().showOpen(dialog));
        QCOMPARE(dialog.FileName, earlier);
        QVERIFY(platform().fileDialogs.isEmpty());

        QDialog window;
        program().showModal(window);
        QCOMPARE(platform().modalWindows, 0);
        QVERIFY(!window.isVisible());

        QCOMPARE(program().message("Save the list?", Platform::Buttons::YesNo),
                 Platform::Answer::No);
        QCOMPARE(program().message("Saved."), Platform::Answer::Ok);
        QCOMPARE(platform().messages.size(), shownBefore);
    }
};

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
