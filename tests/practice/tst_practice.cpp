// The practice and the recall as a student meets them: the draw, the letters hidden, the mistakes
// marked, the recall, every message with what the large lines show while it is open, and the end
// of each pass. Each row plays a script and compares the whole conversation in one line; random
// numbers are scripted wherever the outcome depends on them.

#include "TestSession.h"
#include "practice/Form1.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"
#include "wizard/Form5.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include <memory>

class PracticeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;

    ScriptedPlatform& platform() { return session->platform; }
    Program& program() { return session->program; }

    // The practice window's lines and entry box, while it is on the screen: "[word|correct
    // word|marked attempt|entry box]".
    QString lines() {
        const Main* practice = program().practice.get();
        if (!practice || !practice->isVisible())
            return {};
        const QString seen = QStringList{practice->Word->text(), practice->TypedWord->text(),
                                         practice->CorrectWord->text(), practice->TWord->text()}
                                 .join(u'|');
        return seen == "|||" ? QString() : "[" + seen + "]";
    }

    // What the next message box does while it is open: "!" ends the program, "!x" closes the
    // practice window.
    std::function<void()> whileOpen(const QString& mark) {
        if (mark == "!")
            return [this] { program().end(); };
        if (mark == "!x")
            return [this] {
                if (Main* practice = program().practice.get())
                    practice->close();
            };
        return {};
    }

    // Opens the practice on `words` and plays `script`: steps separated by ";".
    //   t:W      W typed in the entry box and Done pressed; the message that follows is answered
    //   r:W      W typed in the recall window and DONE pressed, in the recall that the Done before
    //            opens; rx closes that window with its close box
    //   yes no   the answer to the question at the end of the pass (after Yes, the start message)
    // A step ending in "!" ends the program while its message is open, one in "!x" closes the
    // practice window. Steps before the first t: answer what comes as the window opens; "!" first
    // ends the program during the start message. e:N sets the error count to N.
    void play(const QStringList& words, const QList<double>& randoms, const QString& script) {
        MODULE11& shared = program().shared;
        for (qsizetype i = 0; i < words.size(); ++i)
            shared.WordList[std::size_t(i + 1)] = words.at(i);
        shared.WordList[std::size_t(words.size() + 1)] = "Done";
        shared.WordCount = qint16(words.size() + 1);
        platform().queueRandom(randoms);
        platform().snapshot = [this] { return lines(); };

        QStringList steps = script.split(u';', Qt::SkipEmptyParts);
        const auto mark = [](const QString& step) {
            return step.contains(u'!') ? "!" + step.section(u'!', 1) : QString();
        };
        const auto answerPass = [=, this](const QString& step) {
            platform().answer(step.startsWith("yes") ? Platform::Answer::Yes : Platform::Answer::No,
                              whileOpen(mark(step)));
            if (step.startsWith("yes") && mark(step).isEmpty())
                platform().answer(Platform::Answer::Ok);
        };
        const auto isDone = [](const QString& step) {
            return step.startsWith("t:") || step.startsWith("e:");
        };
        platform().answer(Platform::Answer::Ok,
                          whileOpen(steps.value(0) == "!" ? steps.takeFirst() : ""));
        while (!steps.isEmpty() && !isDone(steps.first()))
            answerPass(steps.takeFirst());
        if (Main* practice = program().practice.use())
            practice->show();

        while (!steps.isEmpty()) {
            const QString step = steps.takeFirst();
            if (step.startsWith("e:")) {
                shared.ErrorCount = qint16(step.mid(2).toInt());
                continue;
            }
            QStringList recall;
            while (!steps.isEmpty() && !isDone(steps.first()))
                recall.append(steps.takeFirst());
            if (!recall.isEmpty())
                platform().driveModal([=, this](QDialog& window) {
                    auto* form = qobject_cast<Form1*>(&window);
                    for (const QString& each : recall) {
                        if (each == "rx")
                            form->close();
                        else if (each.startsWith("r:") && program().recall.get()) {
                            QVERIFY(form->TypedWord->text().isEmpty());
                            form->TypedWord->setText(each.mid(2).section(u'!', 0, 0));
                            platform().answer(Platform::Answer::Ok, whileOpen(mark(each)));
                            QTest::mouseClick(form->Command1, Qt::LeftButton);
                        } else if (!each.startsWith("r:"))
                            answerPass(each);
                    }
                });
            Main* practice = program().practice.get();
            if (!practice)
                break;
            practice->TWord->setText(step.mid(2).section(u'!', 0, 0));
            platform().answer(Platform::Answer::Ok, whileOpen(mark(step)));
            QTest::mouseClick(practice->Command1, Qt::LeftButton);
        }
        QCoreApplication::processEvents();
    }

    void row(const char* name, const QString& words, const QList<double>& randoms,
             const QString& script, const QString& expected) {
        QTest::newRow(name) << words.split(u' ') << randoms << script
                            << expected;
    }

private slots:
    void init() { session = std::make_unique<TestSession>(); }

    void cleanup() {
        // While told "Right!" or "Wrong!" the student sees the three large lines: no box covers
        // them.
        if (Main* practice = program().practice.get())
            for (const ScriptedPlatform::Message& told : std::as_const(platform().messages))
                for (QWidget* line : {practice->Word, practice->TypedWord, practice->CorrectWord})
                    QCOMPARE(
                        told.keepClear.contains(QRect(line->mapToGlobal(QPoint()), line->size())),
                        told.title == "Right" || told.title == "Wrong");
        endSession(session);
    }

    void scripts_data() {
        QTest::addColumn<QStringList>("words");
        // The draws of the words and the hiding of letters take these first, in order.
        QTest::addColumn<QList<double>>("randoms");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        // Each word once a pass, in the order drawn: a slot drawn before is drawn again. Each draw
        // is followed by the one letter a two-letter word has hidden.
        const QString three = "t:ab;r:ab;t:cd;r:cd;t:ef;r:ef;no";
        row("in list order", "ab cd ef", {0.0, 0.0, 0.4, 0.0, 0.9, 0.0}, three,
            "start | right[ab|ab||ab] | congrats(ab) | right[cd|cd||cd] | congrats(cd) | "
            "right[ef|ef||ef] | "
            "congrats(ef) | sum(0,3) ended, reseeded 4");
        row("a slot drawn before is drawn again", "ab cd ef",
            {0.5, 0.0, 0.5, 0.0, 0.0, 0.6, 0.1, 0.99, 0.0}, "t:cd;r:cd;t:ab;r:ab;t:ef;r:ef;no",
            "start | right[cd|cd||cd] | congrats(cd) | right[ab|ab||ab] | congrats(ab) | "
            "right[ef|ef||ef] | "
            "congrats(ef) | sum(0,3) ended, reseeded 4");
        // One more letter hidden at each right attempt, chosen among those still shown; the recall
        // after the attempt that leaves half the word, rounded up, typed. A wrong attempt changes
        // neither; it shows the word with the attempt marked under it until the message is gone.
        row("five letters", "house", {0.0, 0.5, 0.5, 0.0, 0.9},
            "t:house;t:hose;t:house;t:house;r:house;no",
            "start | right[house|house||house] | wrong[ho se|house|ho---|hose] | right[ho "
            "se|house||house] | "
            "right[ o se|house||house] | congrats(house) | sum(1,1) ended, reseeded 2");
        row("a combining accent and an emoji are hidden whole", u"nai\u0308ve 🐱a"_qs,
            {0.0, 0.5, 0.0, 0.99, 0.0},
            u"t:nai\u0308ve;t:nai\u0308ve;t:nai\u0308ve;r:nai\u0308ve;t:🐱a;r:🐱a;no"_qs,
            u"start | right[nai\u0308ve|nai\u0308ve||nai\u0308ve] | right[na "
            u"ve|nai\u0308ve||nai\u0308ve] | "
            u"right[ a ve|nai\u0308ve||nai\u0308ve] | congrats(nai\u0308ve) | right[🐱a|🐱a||🐱a] | "
            u"congrats(🐱a) | sum(0,2) ended, reseeded 3"_qs);
        // No trimming, case counts, every wrong recall counts one error, the word shown only in the
        // message of a wrong recall; a recall closed with its close box counts none.
        row("blanks and capitals are wrong", "cat", {0.0, 0.0, 0.9, 0.0, 0.5, 0.0},
            "t: cat;t:cat;t:Cat;t:cat;r:cat ;r:Cat;r:cat;yes;t:cat;t:cat;rx;no",
            "start | wrong[cat|cat|----| cat] | right[cat|cat||cat] | wrong[ at|cat|-at|Cat] | "
            "right[ at|cat||cat] | "
            "sorry(cat) | sorry(cat) | congrats(cat) | sum(4,1) | start | right[cat|cat||cat] | "
            "right[c t|cat||cat] | sum(0,1) ended, reseeded 4");
        // Outside the list's rules, a word of no letters must not hang the practice.
        row("a word of no letters", "", {0.0}, "t:;rx;no",
            "start | right | sum(0,1) ended, reseeded 2");
        // The program ends, or the practice window is closed, while a handler is still on the
        // stack: nothing more is shown or drawn.
        row("ended during the start message", "ab", {}, "!", "start ended, reseeded 0");
        row("ended during Wrong", "ab cd", {0.0}, "t:xy!",
            "start | wrong[ab|ab|--|xy] ended, reseeded 1");
        row("ended during Right", "ab cd", {0.0}, "t:ab!",
            "start | right[ab|ab||ab] ended, reseeded 1");
        row("the practice window closed during Right", "ab cd", {0.0}, "t:ab!x",
            "start | right[ab|ab||ab] ended, reseeded 1");
        row("ended during Incorrect", "ab cd", {0.0, 0.0}, "t:ab;r:x!",
            "start | right[ab|ab||ab] | sorry(ab) ended, reseeded 1");
        row("ended during Congratulations", "ab cd", {0.0, 0.0}, "t:ab;r:ab!",
            "start | right[ab|ab||ab] | congrats(ab) ended, reseeded 1");
        row("ended at the question", "ab", {0.0, 0.0}, "t:ab;r:ab;yes!",
            "start | right[ab|ab||ab] | congrats(ab) | sum(0,1) ended, reseeded 2");
    }
    void scripts() {
        QFETCH(QStringList, words);
        QFETCH(QList<double>, randoms);
        QFETCH(QString, script);
        QFETCH(QString, expected);
        play(words, randoms, script);
        QCOMPARE(told(platform()) + (platform().ended ? " ended" : "") +
                     QStringLiteral(", reseeded %1").arg(platform().reseeds),
                 expected);
    }

    // The error count stops at its top rather than wrap round, through wrong attempts and wrong
    // recalls alike.
    void errorsStopAtTheirTop() {
        play({"ab"}, {0.0, 0.0}, "e:32766;t:xy;t:ab;r:x;r:ab;no");
        QVERIFY(told(platform()).endsWith("sum(32767,1)"));
    }

    // A list of no words asks at once; Yes after Yes never nests any deeper. No ends the whole
    // program, closing the readme viewer too.
    void anEmptyListAsksAtOnce() {
        QPointer<Form5> viewer = program().readme.use();
        viewer->show();
        QSet<quintptr> depths;
        for (int pass = 1; pass <= 1000; ++pass) {
            platform().answer(Platform::Answer::Ok);
            // The frame address, not a local's: the address sanitizer may move locals off the
            // stack.
            platform().answer(pass < 1000 ? Platform::Answer::Yes : Platform::Answer::No,
                              [&depths] { depths.insert(quintptr(__builtin_frame_address(0))); });
        }
        program().shared.WordCount = 1;
        QVERIFY(!program().practice.use());
        QVERIFY(platform().ended && !program().readme.isOpen());
        QVERIFY(told(platform()).endsWith("start | sum(0,0) | start | sum(0,0)"));
        QCOMPARE(platform().messages.size(), 2000);
        QCOMPARE(depths.size(), 1);
    }
};

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
