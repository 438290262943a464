// The practice and the recall as a student meets them: the draw, the letters hidden, the mistakes
// marked, the recall, every message with what the large lines show while it is open, and the end
// of each pass. Each row plays a script and compares the whole conversation in one line; random
// numbers are scripted wherever the outcome depends on them.

#include "TestSession.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"
#include "wizard/Form5.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <memory>

class PracticeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;

private slots:
    void init() { session = std::make_unique<TestSession>(); }

    void cleanup() {
        // While told "Right!" or "Wrong!" the student sees the three large lines: no box covers
        // them.
        if (Main* practice = session->program.practice.get())
            for (const ScriptedPlatform::Message& told : std::as_const(session->platform.messages))
                for (QWidget* line : {practice->Word, practice->TypedWord, practice->CorrectWord})
                    QCOMPARE(
                        told.keepClear.contains(QRect(line->mapToGlobal(QPoint()), line->size())),
                        told.title == "Right" || told.title == "Wrong");
        endSession(session);
    }

    void scripts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        // Every word said, in order, "/" where speech was cut off: each word as it comes up, again
        // as its recall opens and at the repeat key, always whole; nothing after the end.
        QTest::addColumn<QString>("said");
        // Each word once a pass, in the order drawn: a slot drawn before is drawn again. Each draw
        // is followed by the one letter a two-letter word has hidden.
        QTest::newRow("in list order")
            << "list:ab cd ef;rand:0,0,0.4,0,0.9,0;practice;t:ab;r:ab;t:cd;r:cd;t:ef;r:ef;no"
            << "start | right[ab|ab||ab] | congrats(ab) | right[cd|cd||cd] | congrats(cd) | "
               "right[ef|ef||ef] | "
               "congrats(ef) | sum(0,3) ended, reseeded 4"
            << "ab ab / cd cd / ef ef / /";
        QTest::newRow("a slot drawn before is drawn again")
            << "list:ab cd "
               "ef;rand:0.5,0,0.5,0,0,0.6,0.1,0.99,0;practice;t:cd;r:cd;t:ab;r:ab;t:ef;r:ef;no"
            << "start | right[cd|cd||cd] | congrats(cd) | right[ab|ab||ab] | congrats(ab) | "
               "right[ef|ef||ef] | "
               "congrats(ef) | sum(0,3) ended, reseeded 4"
            << "cd cd / ab ab / ef ef / /";
        // One more letter hidden at each right attempt, chosen among those still shown; the recall
        // after the attempt that leaves half the word, rounded up, typed. A wrong attempt changes
        // neither; it shows the word with the attempt marked under it while the message is open.
        QTest::newRow("five letters")
            << "list:house;rand:0,0.5,0.5,0,0.9;practice;t:house;f5;t:hose;t:house;t:house;f5;"
               "r:house;no"
            << "start | right[house|house||house] | wrong[ho se|house|ho---|hose] | right[ho "
               "se|house||house] | "
               "right[ o se|house||house] | congrats(house) | sum(1,1) ended, reseeded 2"
            << "house house house house / /";
        QTest::newRow("a combining accent and an emoji are hidden whole")
            << u"list:nai\u0308ve "
               u"🐱a;rand:0,0.5,0,0.99,0;practice;t:nai\u0308ve;t:nai\u0308ve;t:nai\u0308ve;"
               u"r:nai\u0308ve;t:🐱a;r:🐱a;no"_qs
            << u"start | right[nai\u0308ve|nai\u0308ve||nai\u0308ve] | right[na "
               u"ve|nai\u0308ve||nai\u0308ve] | "
               u"right[ a ve|nai\u0308ve||nai\u0308ve] | congrats(nai\u0308ve) | right[🐱a|🐱a||🐱a] "
               u"| "
               u"congrats(🐱a) | sum(0,2) ended, reseeded 3"_qs
            << u"nai\u0308ve nai\u0308ve / 🐱a 🐱a / /"_qs;
        // No trimming, case counts, every wrong recall counts one error, the word shown only in
        // the message of a wrong recall; a recall closed with its close box counts none. Yes
        // starts another pass over the same words.
        QTest::newRow("blanks and capitals are wrong")
            << "list:cat;rand:0,0,0.9,0,0.5,0;practice;t: cat;t:cat;t:Cat;t:cat;r:cat "
               ";r:Cat;r:cat;yes;t:cat;"
               "t:cat;rx;no"
            << "start | wrong[cat|cat|----| cat] | right[cat|cat||cat] | wrong[ at|cat|-at|Cat] | "
               "right[ at|cat||cat] "
               "| sorry(cat) | sorry(cat) | congrats(cat) | sum(4,1) | start | right[cat|cat||cat] "
               "| "
               "right[c t|cat||cat] | sum(0,1) ended, reseeded 4"
            << "cat cat / cat cat / /";
        // The error count stops at its top rather than wrap round.
        QTest::newRow("errors stop at their top")
            << "list:ab;rand:0,0;practice;e:32766;t:xy;t:ab;r:x;r:ab;no"
            << "start | wrong[ab|ab|--|xy] | right[ab|ab||ab] | sorry(ab) | congrats(ab) | "
               "sum(32767,1) ended, "
               "reseeded 2"
            << "ab ab / /";
        // A list of no words asks at once; outside the list's rules, a word of no letters does not
        // hang the practice.
        QTest::newRow("no words") << "count:1;practice;yes;no"
                                  << "start | sum(0,0) | start | sum(0,0) ended, reseeded 2"
                                  << "/";
        QTest::newRow("a word of no letters") << "list:;rand:0;practice;t:;rx;no"
                                              << "start | right | sum(0,1) ended, reseeded 2"
                                              << "/ / / /";
        // The program ends, or the practice window is closed, while a handler is still on the
        // stack: nothing more is shown or drawn.
        QTest::newRow("ended during the start message") << "list:ab;practice;!"
                                                        << "start ended, reseeded 0"
                                                        << "/";
        QTest::newRow("ended during Wrong") << "list:ab cd;rand:0;practice;t:xy;!"
                                            << "start | wrong[ab|ab|--|xy] ended, reseeded 1"
                                            << "ab /";
        QTest::newRow("ended during Right") << "list:ab cd;rand:0;practice;t:ab;!"
                                            << "start | right[ab|ab||ab] ended, reseeded 1"
                                            << "ab /";
        QTest::newRow("the practice window closed during Right")
            << "list:ab cd;rand:0;practice;t:ab;!x"
            << "start | right[ab|ab||ab] ended, reseeded 1"
            << "ab /";
        QTest::newRow("ended during Incorrect")
            << "list:ab cd;rand:0,0;practice;t:ab;r:x;!"
            << "start | right[ab|ab||ab] | sorry(ab) ended, reseeded 1"
            << "ab ab / /";
        QTest::newRow("ended during Congratulations")
            << "list:ab cd;rand:0,0;practice;t:ab;r:ab;!"
            << "start | right[ab|ab||ab] | congrats(ab) ended, reseeded 1"
            << "ab ab / /";
    }
    void scripts() {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        QFETCH(QString, said);
        session->play(script);
        QCOMPARE(session->told() + (session->platform.ended ? " ended" : "") +
                     QStringLiteral(", reseeded %1").arg(session->platform.reseeds),
                 expected);
        QCOMPARE(session->platform.said.replaceInStrings(QRegularExpression("^$"), "/").join(u' '),
                 said);
    }

    // Yes after Yes on a list of no words never nests any deeper. No ends the whole program,
    // closing the readme viewer too.
    void passAfterPassStaysFlat() {
        session->program.readme.use()->show();
        QSet<quintptr> depths;
        session->platform.onMessage = [&](ScriptedPlatform::Message& message) {
            if (message.buttons == Platform::Buttons::Ok)
                return Platform::Answer::Ok;
            // The frame address, not a local's: the address sanitizer may move locals off the
            // stack.
            depths.insert(quintptr(__builtin_frame_address(0)));
            return session->platform.messages.size() < 2000 ? Platform::Answer::Yes
                                                            : Platform::Answer::No;
        };
        session->play("count:1;practice");
        QVERIFY(session->platform.ended && !session->program.readme.isOpen());
        QCOMPARE(session->platform.messages.size(), 2000);
        QCOMPARE(depths.size(), 1);
    }
};

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
