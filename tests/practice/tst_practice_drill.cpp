// The practice window and the recall window as a student meets them: the draw, the letters
// hidden, the mistakes marked, the recall, every message, and the end of each pass. Random
// numbers are scripted wherever the outcome depends on them.

#include "TestSession.h"
#include "core/Characters.h"
#include "practice/Form1.h"
#include "practice/Main.h"
#include "practice/MistakeMarking.h"
#include "screens/FittingLabel.h"
#include "wizard/Form5.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>

namespace {

using Answer = Platform::Answer;

// Messages as "title | text | buttons | icon", so that a whole conversation compares at once.
QStringList describe(const QList<ScriptedPlatform::Message>& messages) {
    QStringList described;
    for (const auto& m : messages)
        described.append(QStringList{m.title, m.text,
                                     m.buttons == Platform::Buttons::YesNo ? "Yes No" : "OK",
                                     m.icon == Platform::Icon::Exclamation ? "exclamation" : "-"}
                             .join(" | "));
    return described;
}

const QString StartMessage = "Tovrin | Students can now practice spelling the words | OK | -";
const QString RightMessage = "Right | Right! | OK | exclamation";
const QString WrongMessage =
    "Wrong | Wrong! See The Missing Letters.  Each Dash is a Mistake | OK | exclamation";
// With the number of errors and of words, or with the word.
const QString Summary =
    "Finished? | You Made %1 Errors on the %2 words.  More Practice | Yes No | -";
const QString Congratulations = "Congratulations | You Now Know how to spell '%1'. | OK | -";
const QString Incorrect = "Incorrect | Sorry, Did you Concentrate?  The word was '%1'. | OK | -";

} // namespace

class PracticeDrillTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;
    QPointer<Main> practice;

    ScriptedPlatform& platform() { return session->platform; }
    Program& program() { return session->program; }
    MODULE11& shared() { return session->program.shared; }

    // Word, TypedWord, CorrectWord, then the entry box.
    QStringList shown() const {
        return {practice->Word->text(), practice->TypedWord->text(), practice->CorrectWord->text(),
                practice->TWord->text()};
    }

    // Opens the practice window on `words`; the start message is answered once `whileAsked` has
    // run. The draws and the hiding of letters take `randoms` first.
    void open(const QStringList& words, const QList<double>& randoms = {},
              std::function<void()> whileAsked = {}) {
        for (qsizetype i = 0; i < words.size(); ++i)
            shared().WordList[static_cast<std::size_t>(i + 1)] = words.at(i);
        shared().WordList[static_cast<std::size_t>(words.size() + 1)] = "Done";
        shared().WordCount = static_cast<qint16>(words.size() + 1);
        platform().queueRandom(randoms);
        platform().answer(Answer::Ok, std::move(whileAsked));
        practice = program().practice.use();
        if (practice)
            practice->show();
    }

    // Types `attempt` and presses Done; the message that follows is answered once `whileOpen`
    // has run.
    void press(const QString& attempt, std::function<void()> whileOpen = {}) {
        practice->TWord->setText(attempt);
        platform().answer(Answer::Ok, std::move(whileOpen));
        QTest::mouseClick(practice->Command1, Qt::LeftButton);
    }

    // The next recall: `tries` typed in turn into the entry box, which must be empty before each,
    // DONE pressed and the message answered after each; then the close box if `closeBox`. Then
    // `then` answers what is asked once it has closed: the summary, another start message.
    // `whileOpen` runs as the window opens.
    void recall(const QStringList& tries, const QList<Answer>& then = {}, bool closeBox = false,
                std::function<void()> whileOpen = {}) {
        platform().driveModal([=, this](QDialog& window) {
            auto* form = qobject_cast<Form1*>(&window);
            QVERIFY(form);
            if (whileOpen)
                whileOpen();
            for (const QString& attempt : tries) {
                QVERIFY(form->TypedWord->text().isEmpty());
                form->TypedWord->setText(attempt);
                platform().answer(Answer::Ok);
                QTest::mouseClick(form->Command1, Qt::LeftButton);
            }
            if (closeBox)
                form->close();
            for (Answer answer : then)
                platform().answer(answer);
        });
    }

    // The whole word typed right as often as it takes, then recalled right at once.
    void learn(const QString& word, const QList<Answer>& then = {}) {
        for (qsizetype attempt = 1; attempt < (characterCount(word) + 1) / 2; ++attempt)
            press(word);
        recall({word}, then);
        press(word);
    }

    // One session of the random sessions below, on its own seed.
    void randomSession(unsigned seed) {
        // Letters, an accented letter in both of its forms, and an emoji.
        const QStringList alphabet{
            "a", "b", "e", "o", "s", "t", "A", "-", u"\u00E9"_qs, u"e\u0301"_qs, u"\U0001F600"_qs};
        std::mt19937 random(seed);
        const auto below = [&random](qsizetype n) {
            return int(std::uniform_int_distribution<qsizetype>(0, n - 1)(random));
        };
        // A wrong try at `word`: a character dropped, one added, or both.
        const auto wrongFor = [&](const QString& word) {
            QStringList letters = characters(word);
            const int edit = below(3);
            if (edit != 1)
                letters.removeAt(below(letters.size()));
            if (edit != 0)
                letters.insert(below(letters.size() + 1), alphabet.at(below(alphabet.size())));
            const QString wrong = letters.join(QString());
            return wrong == word ? word + "x" : wrong;
        };
        platform().seedRandom(seed);
        QStringList words(below(5) ? 1 + below(6) : 1 + below(30));
        for (QString& word : words)
            for (int letter = 1 + below(20); letter > 0; --letter)
                word += alphabet.at(below(alphabet.size()));
        std::sort(words.begin(), words.end());
        open(words);
        for (int passesLeft = 1 + below(3); passesLeft > 0; --passesLeft) {
            QStringList met;
            int errors = 0;
            while (met.size() < words.size()) {
                met.append(practice->Word->text());
                const QStringList letters = characters(met.constLast());
                for (qsizetype rights = 0; rights < (letters.size() + 1) / 2;) {
                    const QStringList shown = characters(practice->Word->text());
                    QCOMPARE(shown.size(), letters.size());
                    // One letter hidden at each right attempt; the recall is planned for the
                    // attempt that leaves half the word typed, so no more are ever hidden.
                    QCOMPARE(shown.count(" "), rights);
                    for (qsizetype k = 0; k < letters.size(); ++k)
                        QVERIFY(shown.at(k) == " " || shown.at(k) == letters.at(k));
                    // The close box now and then: the program ends, asking nothing.
                    if (below(150) == 0) {
                        const qsizetype asked = platform().messages.size();
                        practice->close();
                        QCoreApplication::processEvents();
                        QVERIFY(platform().ended);
                        QCOMPARE(platform().messages.size(), asked);
                        return;
                    }
                    if (below(10) < 3) {
                        ++errors;
                        press(wrongFor(met.constLast()));
                        continue;
                    }
                    if (++rights == (letters.size() + 1) / 2) {
                        QStringList tries;
                        for (int wrong = below(3); wrong > 0; --wrong, ++errors)
                            tries.append(wrongFor(met.constLast()));
                        const bool closeBox = below(7) == 0;
                        if (!closeBox)
                            tries.append(met.constLast());
                        QList<Answer> then;
                        if (met.size() == words.size())
                            then = passesLeft > 1 ? QList<Answer>{Answer::Yes, Answer::Ok}
                                                  : QList<Answer>{Answer::No};
                        recall(tries, then, closeBox);
                    }
                    press(met.constLast());
                }
                if (QTest::currentTestFailed())
                    return;
            }
            std::sort(met.begin(), met.end());
            QCOMPARE(met, words);
            QStringList last{Summary.arg(errors).arg(words.size())};
            if (passesLeft > 1)
                last.append(StartMessage);
            QCOMPARE(describe(platform().messages.mid(platform().messages.size() - last.size())),
                     last);
        }
    }

private slots:
    void init() { session = std::make_unique<TestSession>(); }

    void cleanup() { endSession(session); }

    void drawOrder_data() {
        QTest::addColumn<QStringList>("words");
        // The numbers taken by each word's draw; the drawn word's one hiding follows.
        QTest::addColumn<QList<QList<double>>>("draws");
        QTest::addColumn<QStringList>("order");
        const QStringList three{"ab", "cd", "ef"};
        QTest::newRow("list order") << three << QList<QList<double>>{{0.0}, {0.4}, {0.9}} << three;
        QTest::newRow("backwards")
            << three << QList<QList<double>>{{0.9}, {0.5}, {0.1}} << QStringList{"ef", "cd", "ab"};
        QTest::newRow("a slot drawn before is drawn again")
            << three << QList<QList<double>>{{0.5}, {0.5, 0.0}, {0.6, 0.1, 0.99}}
            << QStringList{"cd", "ab", "ef"};
        // A word twice in the list, and lists of up to thirty words, are among the random
        // sessions below.
    }

    void drawOrder() {
        QFETCH(QStringList, words);
        QFETCH(QList<QList<double>>, draws);
        QFETCH(QStringList, order);
        QList<double> randoms;
        for (const QList<double>& draw : draws)
            randoms << draw << 0.0;
        open(words, randoms);
        QStringList met;
        while (met.size() < order.size()) {
            met.append(practice->Word->text());
            learn(met.constLast(),
                  met.size() == order.size() ? QList<Answer>{Answer::No} : QList<Answer>{});
        }
        QCOMPARE(met, order);
        QCOMPARE(describe(platform().messages).constLast(), Summary.arg(0).arg(words.size()));
        QCOMPARE(platform().reseeds, order.size() + 1);
    }

    void eachRightAttemptHidesOneMoreLetter_data() {
        QTest::addColumn<QString>("word");
        // The letters drawn for hiding, in order; a letter hidden already is drawn again.
        QTest::addColumn<QList<int>>("drawn");
        // The word on show at each right attempt; the recall follows the last.
        QTest::addColumn<QStringList>("onShow");
        QTest::newRow("2 letters") << "ab" << QList<int>{2} << QStringList{"ab"};
        QTest::newRow("5 letters")
            << "house" << QList<int>{3, 3, 1, 5} << QStringList{"house", "ho se", " o se"};
        QTest::newRow("combining accent") << u"nai\u0308ve"_qs << QList<int>{3, 1, 5}
                                          << QStringList{u"nai\u0308ve"_qs, "na ve", " a ve"};
        QTest::newRow("emoji") << u"\U0001F600\U0001F600ab"_qs << QList<int>{2, 1}
                               << QStringList{u"\U0001F600\U0001F600ab"_qs, u"\U0001F600 ab"_qs};
        // Outside the list's rules, but it must not hang the practice.
        QTest::newRow("no letters") << "" << QList<int>{} << QStringList{""};
        const QString twenty = "abcdefghijklmnopqrst";
        QList<int> fromTheEnd;
        QStringList onShow;
        for (int hidden = 0; hidden < 10; ++hidden) {
            fromTheEnd.append(20 - hidden);
            onShow.append(twenty.left(20 - hidden) + QString(hidden, ' '));
        }
        QTest::newRow("20 letters") << twenty << fromTheEnd << onShow;
    }

    // The whole word first, then one more letter hidden at each right attempt; the recall comes
    // after the right attempt that leaves half the word, rounded up, typed.
    void eachRightAttemptHidesOneMoreLetter() {
        QFETCH(QString, word);
        QFETCH(QList<int>, drawn);
        QFETCH(QStringList, onShow);
        QList<double> randoms{0.0};
        for (int position : drawn)
            randoms.append((position - 0.5) / double(characterCount(word)));
        open({word}, randoms);
        QStringList met;
        while (met.size() < onShow.size()) {
            met.append(practice->Word->text());
            emit practice->SayAgain->activated();
            if (met.size() == onShow.size())
                recall({word}, {Answer::No}, false,
                       [this] { emit program().recall.get()->SayAgain->activated(); });
            press(word);
        }
        QCOMPARE(met, onShow);
        QCOMPARE(describe(platform().messages).constLast(), Summary.arg(0).arg(1));
        // Said as it comes up, at each press of the repeat key however many letters are hidden,
        // and as the recall window opens; cut off as the recall window and the practice close.
        QCOMPARE(platform().said, QStringList(onShow.size() + 3, word) << QString() << QString());
    }

    // What each label shows before, during and after each message of one word's practice, and
    // every message in order. A wrong attempt changes neither the letters hidden nor the right
    // attempts still needed. The start message comes before the practice window shows. The error
    // count, started one below its top, stops there through wrong attempts and recalls alike.
    void theLabelsAndMessagesAtEachMoment() {
        bool hiddenWhileAsked = false;
        open({"cat"}, {0.0, 0.0, 0.9}, [&] {
            hiddenWhileAsked = program().practice.get() && !program().practice.get()->isVisible();
        });
        QVERIFY(hiddenWhileAsked);
        QVERIFY(!practice->isModal());
        shared().ErrorCount = 32766;
        QStringList during;
        const auto record = [&] { during = shown(); };

        practice->TWord->setText(" cat");
        QCOMPARE(shown(), QStringList({"cat", "", "", " cat"}));
        press(" cat", record);
        QCOMPARE(during, QStringList({"cat", "cat", "----", " cat"}));
        QCOMPARE(shown(), QStringList({"cat", "", "", ""}));

        press("cat", record);
        QCOMPARE(during, QStringList({"cat", "cat", "", "cat"}));
        QCOMPARE(shown(), QStringList({" at", "", "", ""}));

        press("Cat", record);
        QCOMPARE(during, QStringList({" at", "cat", "-at", "Cat"}));
        QCOMPARE(shown(), QStringList({" at", "", "", ""}));

        QStringList whileRecalling;
        recall({"cat ", "cat"}, {Answer::No}, false, [&] { whileRecalling = shown(); });
        press("cat", record);
        QCOMPARE(during, QStringList({" at", "cat", "", "cat"}));
        QCOMPARE(whileRecalling, QStringList(4));
        QCOMPARE(describe(platform().messages),
                 QStringList({StartMessage, WrongMessage, RightMessage, WrongMessage, RightMessage,
                              Incorrect.arg("cat"), Congratulations.arg("cat"),
                              Summary.arg(32767).arg(1)}));
        QVERIFY(platform().ended);
        // While told "Right!" or "Wrong!" the student sees the three large lines: no box covers
        // them.
        for (const ScriptedPlatform::Message& told : std::as_const(platform().messages))
            for (QWidget* line : {practice->Word, practice->TypedWord, practice->CorrectWord})
                QCOMPARE(told.keepClear.contains(QRect(line->mapToGlobal(QPoint()), line->size())),
                         told.title == "Right" || told.title == "Wrong");
    }

    void anEmptyListAsksAtOnce_data() {
        QTest::addColumn<qint16>("wordCount");
        QTest::addColumn<int>("passes");
        // Yes after Yes must not nest any deeper.
        QTest::newRow("no words, a thousand passes") << qint16(1) << 1000;
        // Only for a moment while a list is begun, but it must not draw from an empty list.
        QTest::newRow("a count of 0") << qint16(0) << 2;
    }

    void anEmptyListAsksAtOnce() {
        QFETCH(qint16, wordCount);
        QFETCH(int, passes);
        shared().WordCount = wordCount;
        QSet<quintptr> depths;
        for (int pass = 1; pass <= passes; ++pass) {
            platform().answer(Answer::Ok);
            // The frame address, not a local's: the address sanitizer may move locals off the
            // stack.
            platform().answer(pass < passes ? Answer::Yes : Answer::No, [&depths] {
                depths.insert(reinterpret_cast<quintptr>(__builtin_frame_address(0)));
            });
        }
        QVERIFY(!program().practice.use());
        QVERIFY(platform().ended);
        const QStringList messages = describe(platform().messages);
        QCOMPARE(messages.size(), 2 * passes);
        QCOMPARE(messages.mid(2 * passes - 4), QStringList({StartMessage, Summary.arg(0).arg(0),
                                                            StartMessage, Summary.arg(0).arg(0)}));
        // Every question was asked from the same depth of the stack.
        QCOMPARE(depths.size(), 1);
    }

    // Yes starts another pass over the same words; No ends the whole program, closing the readme
    // viewer too.
    void morePracticeThenNo() {
        QPointer<Form5> viewer = program().readme.use();
        QVERIFY(viewer);
        viewer->show();
        // Each draw is followed by the hiding of one letter.
        open({"ab", "cd"}, {0.0, 0.0, 0.9, 0.0, 0.9, 0.0, 0.0, 0.0});
        press("xy");
        recall({"ba", "ab"});
        press("ab");
        // Yes, then the start message again; the new pass draws cd first this time.
        learn("cd", {Answer::Yes, Answer::Ok});
        QCOMPARE(shown(), QStringList({"cd", "", "", ""}));
        learn("cd");
        learn("ab", {Answer::No});
        QCOMPARE(describe(platform().messages.mid(platform().messages.size() - 7)),
                 QStringList({Summary.arg(2).arg(2), StartMessage, RightMessage,
                              Congratulations.arg("cd"), RightMessage, Congratulations.arg("ab"),
                              Summary.arg(0).arg(2)}));
        QVERIFY(platform().ended);
        QVERIFY(!program().practice.isOpen() && !program().recall.isOpen());
        QVERIFY(!program().readme.isOpen() && !viewer->isVisible() && !practice->isVisible());
    }

    void endingMidwayShowsNothingMore_data() {
        // During the start message (1), Wrong (2), Right! (3), as the recall window opens (4),
        // during Incorrect (5) or Congratulations (6).
        QTest::addColumn<int>("moment");
        // The practice window's close box rather than the program's end: the recall must not
        // come up all the same.
        QTest::addColumn<bool>("closeBox");
        // How often the word was said before the end: as it came up, and as the recall opened.
        QTest::addColumn<int>("timesSaid");
        const QList<int> timesSaid{0, 1, 1, 2, 2, 2};
        for (int moment = 1; moment <= 6; ++moment)
            QTest::addRow("moment %d", moment) << moment << false << timesSaid.at(moment - 1);
        QTest::newRow("practice window closed during Right!") << 3 << true << 1;
    }

    // The program ends while a handler of the practice is still on the stack: the handler comes
    // back and shows nothing more, nor draws another word, and no window is left.
    void endingMidwayShowsNothingMore() {
        QFETCH(int, moment);
        QFETCH(bool, closeBox);
        QFETCH(int, timesSaid);
        int now = 0;
        const auto step = [&] {
            if (++now == moment)
                closeBox ? void(practice->close()) : program().end();
        };
        open({"ab", "cd"}, {}, step);
        const QString word = practice ? practice->Word->text() : QString();
        if (program().practice.isOpen())
            press("xy", step);
        if (program().practice.isOpen())
            press(word, [&] {
                step();
                if (program().practice.isOpen())
                    recall({}, {}, false, [&] {
                        step();
                        for (const QString& attempt : {QString("x"), word}) {
                            if (Form1* form = program().recall.get()) {
                                form->TypedWord->setText(attempt);
                                platform().answer(Answer::Ok, step);
                                form->Command1->click();
                            }
                        }
                    });
            });
        QCoreApplication::processEvents();
        QVERIFY(platform().ended);
        QCOMPARE(platform().messages.size(), moment > 3 ? moment - 1 : moment);
        QVERIFY(!program().practice.isOpen() && !program().recall.isOpen());
        QCOMPARE(shared().PracticeWord, word);
        // Then only cut-offs, at least one: the windows closing stop the word, and nothing more
        // is said.
        QStringList said(timesSaid, word);
        said.resize(std::max(platform().said.size(), qsizetype(timesSaid) + 1));
        QCOMPARE(platform().said, said);
    }

    // Many random sessions: random lists, right and wrong attempts, recalls right, wrong or
    // closed, further passes, the practice window closed at random. Whatever happens, every word
    // comes once a pass, the summary counts every wrong attempt and every wrong recall, and no
    // more than half of a word is ever hidden.
    void randomSessions() {
        for (unsigned seed = 1; seed <= 800; ++seed) {
            randomSession(seed);
            if (seed < 800) {
                cleanup();
                init();
            }
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QString("in the session of seed %1").arg(seed)));
        }
    }

    void markingAWrongAttempt_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("attempt");
        QTest::addColumn<QString>("marked");
        const auto row = [](const char* name, const QString& word, const QString& attempt,
                            const QString& marked) {
            QTest::newRow(name) << word << attempt << marked;
        };
        row("a wrong letter", "cat", "cot", "c-t");
        row("a letter short", "cat", "ca", "ca-");
        row("a letter missing inside", "cat", "ct", "c--");
        row("a letter extra", "cat", "cart", "ca--");
        row("case counts", "cat", "Cat", "-at");
        row("letters swapped", "cat", "act", "--t");
        row("empty", "cat", "", "---");
        row("trailing space", "cat", "cat ", "cat-");
        row("far too long, nothing cut off", "ab", "abcdefgh", "ab------");
        // The attempt's own dash is no mistake where the word has one.
        row("a dash in the word", "x-ray", "x-rey", "x-r-y");
        row("precomposed accent for a combining one", u"nai\u0308ve"_qs, u"na\u00EFve"_qs, "na-ve");
        row("accent missing", u"caf\u00E9"_qs, "cafe", "caf-");
        row("accent kept whole", u"nai\u0308ve"_qs, u"nai\u0308fe"_qs, u"nai\u0308-e"_qs);
        row("emoji counts as one character", u"\U0001F600ab"_qs, u"\U0001F600xb"_qs,
            u"\U0001F600-b"_qs);
        row("emoji in place of a letter", "abc", u"a\U0001F600c"_qs, "a-c");
    }

    // A wrong attempt as the student sees it under the correct word.
    void markingAWrongAttempt() {
        QFETCH(QString, word);
        QFETCH(QString, attempt);
        QFETCH(QString, marked);
        QCOMPARE(markAttempt(word, attempt), marked);
    }
};

QTEST_MAIN(PracticeDrillTest)
#include "tst_practice_drill.moc"
