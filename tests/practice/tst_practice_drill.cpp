// The practice window and the recall window as a student meets them: the draw, the letters
// hidden, the mistakes marked, the recall, every message, and the end of each pass. Lists are
// filled directly; random numbers are scripted wherever the outcome depends on them.

#include "TestSession.h"
#include "core/Characters.h"
#include "practice/Form1.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"
#include "wizard/Form5.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using Answer = Platform::Answer;

// A message as "title | text | buttons | icon", so that a whole conversation compares at once.
QString describe(const ScriptedPlatform::Message& message) {
    return QStringList{message.title, message.text,
                       message.buttons == Platform::Buttons::YesNo ? "Yes No" : "OK",
                       message.icon == Platform::Icon::Exclamation ? "exclamation" : "no icon"}
        .join(" | ");
}

QStringList describe(const QList<ScriptedPlatform::Message>& messages) {
    QStringList described;
    for (const auto& message : messages)
        described.append(describe(message));
    return described;
}

const QString StartMessage = "Tovrin | Students can now practice spelling the words | OK | no icon";
const QString RightMessage = "Right | Right! | OK | exclamation";
const QString WrongMessage =
    "Wrong | Wrong! See The Missing Letters.  Each Dash is a Mistake | OK | exclamation";

QString summaryMessage(int errors, int words) {
    return QStringLiteral(
               "Finished? | You Made %1 Errors on the %2 words.  More Practice | Yes No | no icon")
        .arg(errors)
        .arg(words);
}

QString congratulationsMessage(const QString& word) {
    return QStringLiteral("Congratulations | You Now Know how to spell '%1'. | OK | no icon")
        .arg(word);
}

QString incorrectMessage(const QString& word) {
    return QStringLiteral(
               "Incorrect | Sorry, Did you Concentrate?  The word was '%1'. | OK | no icon")
        .arg(word);
}

// The number that draws slot `slot` of `count`, or hides letter `slot` of a word so long.
double drawing(int slot, int count) {
    return (slot - 0.5) / count;
}

} // namespace

class PracticeDrillTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;
    QPointer<Main> practice;

    ScriptedPlatform& platform() { return session->platform; }
    Program& program() { return session->program; }
    MODULE11& shared() { return session->program.shared; }

    // What the practice window shows: Word, TypedWord, CorrectWord, then the entry box.
    QStringList shown() const {
        return {practice->Word->text(), practice->TypedWord->text(), practice->CorrectWord->text(),
                practice->TWord->text()};
    }

    void setList(const QStringList& words) {
        for (qsizetype i = 0; i < words.size(); ++i)
            shared().WordList[static_cast<std::size_t>(i + 1)] = words.at(i);
        shared().WordList[static_cast<std::size_t>(words.size() + 1)] = "Done";
        shared().WordCount = static_cast<qint16>(words.size() + 1);
    }

    // Opens the practice window on `words`, its start message answered. The draws and the hiding
    // of letters take `randoms` first.
    void open(const QStringList& words, const QList<double>& randoms = {}) {
        setList(words);
        platform().queueRandom(randoms);
        platform().answer(Answer::Ok);
        practice = program().practice.use();
        QVERIFY(practice);
        practice->show();
    }

    // Types `attempt` and presses Done; the message that follows is answered once `whileOpen`
    // has run.
    void press(const QString& attempt, std::function<void()> whileOpen = {}) {
        practice->TWord->setText(attempt);
        platform().answer(Answer::Ok, std::move(whileOpen));
        QTest::mouseClick(practice->Command1, Qt::LeftButton);
    }

    // A message's answer, given once `whileOpen` has run.
    struct Reply {
        Answer answer;
        std::function<void()> whileOpen = {};
    };

    struct Recall {
        // Typed in turn into the entry box, which must be empty before each, DONE pressed after
        // each and every message answered.
        QStringList tries;
        // The close box closes the window after the tries.
        bool closeBox = false;
        std::function<void(Form1&)> whileOpen = {};
        // The answers to what is asked once the window has closed: the summary, and the start
        // message of another pass.
        QList<Reply> then = {};
    };

    // How the next recall goes.
    void recall(const Recall& how) {
        platform().driveModal([this, how](QDialog& window) {
            auto* form = qobject_cast<Form1*>(&window);
            QVERIFY(form);
            if (how.whileOpen)
                how.whileOpen(*form);
            for (const QString& attempt : how.tries) {
                QVERIFY(form->TypedWord->text().isEmpty());
                form->TypedWord->setText(attempt);
                platform().answer(Answer::Ok);
                QTest::mouseClick(form->Command1, Qt::LeftButton);
            }
            if (how.closeBox)
                form->close();
            for (const Reply& reply : how.then)
                platform().answer(reply.answer, reply.whileOpen);
        });
    }

    // The whole word typed right as often as it takes, then recalled right at once.
    void learn(const QString& word, const QList<Reply>& then = {}) {
        const qsizetype attempts = (characterCount(word) + 1) / 2;
        for (qsizetype attempt = 1; attempt < attempts; ++attempt)
            press(word);
        recall({.tries = {word}, .then = then});
        press(word);
    }

private slots:
    void init() { session = std::make_unique<TestSession>(); }

    void cleanup() {
        QCOMPARE(platform().unusedAnswers(), 0);
        session.reset();
        verifyNoWindowLeft();
    }

    void theStartMessageComesBeforeTheWindowOpens() {
        setList({"cat", "dog", "mouse"});
        platform().queueRandom({drawing(2, 3)});
        bool hiddenWhileAsked = false;
        platform().answer(Answer::Ok, [&] {
            hiddenWhileAsked = program().practice.get() && !program().practice.get()->isVisible();
        });
        practice = program().practice.use();
        QVERIFY(practice);
        practice->show();
        QVERIFY(hiddenWhileAsked);
        QCOMPARE(describe(platform().messages), QStringList{StartMessage});
        QCOMPARE(shown(), QStringList({"dog", "", "", ""}));
        QVERIFY(!practice->isModal());
    }

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
        QTest::newRow("a word twice in the list comes twice")
            << QStringList{"ab", "cd", "ab"} << QList<QList<double>>{{0.0}, {0.9}, {0.5}}
            << QStringList{"ab", "ab", "cd"};

        QStringList thirty;
        QList<QList<double>> backwards;
        for (int slot = 1; slot <= 30; ++slot) {
            thirty.append(QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0')));
            backwards.append(QList<double>{drawing(31 - slot, 30)});
        }
        QStringList reversed(thirty.rbegin(), thirty.rend());
        QTest::newRow("thirty words, last first") << thirty << backwards << reversed;
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
        for (qsizetype word = 0; word < order.size(); ++word) {
            met.append(practice->Word->text());
            const bool last = word == order.size() - 1;
            learn(practice->Word->text(), last ? QList<Reply>{{Answer::No}} : QList<Reply>{});
        }
        QCOMPARE(met, order);
        QCOMPARE(describe(platform().messages).constLast(), summaryMessage(0, int(words.size())));
    }

    void eachRightAttemptHidesOneMoreLetter_data() {
        QTest::addColumn<QString>("word");
        // The letters drawn for hiding, in order; a letter hidden already is drawn again.
        QTest::addColumn<QList<int>>("drawn");
        // The word on show at each right attempt; the recall follows the last.
        QTest::addColumn<QStringList>("onShow");
        QTest::newRow("1 letter") << "a" << QList<int>{1} << QStringList{"a"};
        QTest::newRow("2 letters") << "ab" << QList<int>{2} << QStringList{"ab"};
        QTest::newRow("3 letters") << "abc" << QList<int>{1, 1, 3} << QStringList{"abc", " bc"};
        QTest::newRow("4 letters") << "abcd" << QList<int>{4, 1} << QStringList{"abcd", "abc "};
        QTest::newRow("5 letters")
            << "house" << QList<int>{3, 3, 1, 5} << QStringList{"house", "ho se", " o se"};
        QTest::newRow("6 letters")
            << "abcdef" << QList<int>{6, 1, 3} << QStringList{"abcdef", "abcde ", " bcde "};
        QTest::newRow("7 letters") << "abcdefg" << QList<int>{7, 1, 2, 3}
                                   << QStringList{"abcdefg", "abcdef ", " bcdef ", "  cdef "};
        QTest::newRow("combining accent") << u"nai\u0308ve"_qs << QList<int>{3, 1, 5}
                                          << QStringList{u"nai\u0308ve"_qs, "na ve", " a ve"};
        QTest::newRow("emoji") << u"\U0001F600\U0001F600ab"_qs << QList<int>{2, 1}
                               << QStringList{u"\U0001F600\U0001F600ab"_qs, u"\U0001F600 ab"_qs};
        // Outside the list's rules, but it must not hang the practice.
        QTest::newRow("no letters") << "" << QList<int>{} << QStringList{""};

        const QString twenty = "abcdefghijklmnopqrst";
        QList<int> fromTheEnd;
        QStringList onShow{twenty};
        for (int position = 20; position > 10; --position) {
            fromTheEnd.append(position);
            if (position > 11)
                onShow.append(twenty.left(position - 1) + QString(21 - position, ' '));
        }
        QTest::newRow("20 letters") << twenty << fromTheEnd << onShow;
    }

    // One pass over a single word: the whole word first, then one more letter hidden at each
    // right attempt, and the window blank while the recall is open.
    void eachRightAttemptHidesOneMoreLetter() {
        QFETCH(QString, word);
        QFETCH(QList<int>, drawn);
        QFETCH(QStringList, onShow);

        QList<double> randoms{0.0};
        for (int position : drawn)
            randoms.append(drawing(position, int(characterCount(word))));
        open({word}, randoms);
        QStringList met;
        for (qsizetype attempt = 0; attempt < onShow.size(); ++attempt) {
            met.append(practice->Word->text());
            if (attempt == onShow.size() - 1)
                recall({.tries = {word},
                        .whileOpen = [this](Form1&) { QCOMPARE(shown(), QStringList(4)); },
                        .then = {{Answer::No}}});
            press(word);
        }
        QCOMPARE(met, onShow);
        QCOMPARE(describe(platform().messages).constLast(), summaryMessage(0, 1));
    }

    // What each label shows before, during and after each message of one word's practice. A
    // wrong attempt changes neither the letters hidden nor the right attempts still needed.
    void theLabelsAtEachMoment() {
        open({"cat"}, {0.0, 0.0, 0.9});
        QStringList during;
        const auto record = [&] { during = shown(); };

        practice->TWord->setText("cot");
        QCOMPARE(shown(), QStringList({"cat", "", "", "cot"}));
        press("cot", record);
        QCOMPARE(during, QStringList({"cat", "cat", "c-t", "cot"}));
        QCOMPARE(shown(), QStringList({"cat", "", "", ""}));

        press("cat", record);
        QCOMPARE(during, QStringList({"cat", "cat", "", "cat"}));
        QCOMPARE(shown(), QStringList({" at", "", "", ""}));

        press("Cat", record);
        QCOMPARE(during, QStringList({" at", "cat", "-at", "Cat"}));
        QCOMPARE(shown(), QStringList({" at", "", "", ""}));

        QStringList whileRecalling;
        QStringList whileAsked;
        recall({.tries = {"cat"},
                .whileOpen = [&](Form1&) { whileRecalling = shown(); },
                .then = {{Answer::No, [&] { whileAsked = shown(); }}}});
        press("cat", record);
        QCOMPARE(during, QStringList({" at", "cat", "", "cat"}));
        QCOMPARE(whileRecalling, QStringList(4));
        QCOMPARE(whileAsked, QStringList(4));
        QCOMPARE(describe(platform().messages).constLast(), summaryMessage(2, 1));
    }

    // Every message of a pass over one word, in order, with its title, buttons and icon.
    void everyMessageOfAPass() {
        open({"cat"});
        press("Cat");
        press("cat");
        recall({.tries = {"Cat", "", "cat"}, .then = {{Answer::No}}});
        press("cat");
        QCOMPARE(describe(platform().messages),
                 QStringList({StartMessage, WrongMessage, RightMessage, RightMessage,
                              incorrectMessage("cat"), incorrectMessage("cat"),
                              congratulationsMessage("cat"), summaryMessage(3, 1)}));
        QVERIFY(platform().ended);
    }

    void theRecallEnds_data() {
        QTest::addColumn<QStringList>("tries");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("errors");
        QTest::newRow("right at once") << QStringList{"ox"} << false << 0;
        QTest::newRow("two wrong, then right") << QStringList{"oxen", "Ox", "ox"} << false << 2;
        QTest::newRow("closed at once") << QStringList{} << true << 0;
        QTest::newRow("wrong, then closed") << QStringList{"ax"} << true << 1;
    }

    // However the recall ends, the next word is drawn; only wrong recalls count.
    void theRecallEnds() {
        QFETCH(QStringList, tries);
        QFETCH(bool, closeBox);
        QFETCH(int, errors);

        open({"ox", "dog"}, {0.0, 0.0, 0.9});
        recall({.tries = tries, .closeBox = closeBox});
        press("ox");
        QCOMPARE(shared().ErrorCount, errors);
        QCOMPARE(shown(), QStringList({"dog", "", "", ""}));
        QVERIFY(!program().recall.isOpen());
        QCOMPARE(describe(platform().messages).count(incorrectMessage("ox")), errors);
        QCOMPARE(describe(platform().messages).constLast(),
                 closeBox ? (errors ? incorrectMessage("ox") : RightMessage)
                          : congratulationsMessage("ox"));
    }

    void anEmptyListAsksAtOnce_data() {
        QTest::addColumn<qint16>("wordCount");
        QTest::addColumn<int>("passes");
        QTest::newRow("no words") << qint16(1) << 2;
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
            platform().answer(pass < passes ? Answer::Yes : Answer::No, [&depths] {
                volatile char here = 0;
                depths.insert(reinterpret_cast<quintptr>(&here));
            });
        }
        QVERIFY(!program().practice.use());
        QVERIFY(platform().ended);
        const QStringList messages = describe(platform().messages);
        QCOMPARE(messages.size(), 2 * passes);
        QCOMPARE(messages.mid(2 * passes - 4), QStringList({StartMessage, summaryMessage(0, 0),
                                                            StartMessage, summaryMessage(0, 0)}));
        // Every question was asked from the same depth of the stack.
        QCOMPARE(depths.size(), 1);
    }

    void morePracticeStartsAnotherPassOverTheSameWords() {
        // Each draw is followed by the hiding of one letter.
        open({"ab", "cd"}, {0.0, 0.0, 0.9, 0.0, 0.9, 0.0, 0.0, 0.0});
        press("xy");
        learn("ab");
        // Yes, then the start message again; the new pass draws cd first this time.
        learn("cd", {{Answer::Yes}, {Answer::Ok}});
        QCOMPARE(shared().ErrorCount, 0);
        QCOMPARE(shown(), QStringList({"cd", "", "", ""}));
        learn("cd");
        learn("ab", {{Answer::No}});
        QCOMPARE(describe(platform().messages.mid(platform().messages.size() - 7)),
                 QStringList({summaryMessage(1, 2), StartMessage, RightMessage,
                              congratulationsMessage("cd"), RightMessage,
                              congratulationsMessage("ab"), summaryMessage(0, 2)}));
        QCOMPARE(shared().WordCount, 3);
        QCOMPARE(shared().WordList[1], "ab");
        QCOMPARE(shared().WordList[2], "cd");
        QCOMPARE(shared().WordList[3], "Done");
    }

    void noEndsTheWholeProgram_data() {
        QTest::addColumn<bool>("readmeOpen");
        QTest::newRow("practice window alone") << false;
        QTest::newRow("readme viewer open too") << true;
    }

    void noEndsTheWholeProgram() {
        QFETCH(bool, readmeOpen);
        QPointer<Form5> viewer = readmeOpen ? program().readme.use() : nullptr;
        if (viewer)
            viewer->show();
        open({"ab"});
        learn("ab", {{Answer::No}});
        QVERIFY(platform().ended);
        QVERIFY(!program().practice.isOpen());
        QVERIFY(!program().recall.isOpen());
        QVERIFY(!program().readme.isOpen());
        QVERIFY(!practice->isVisible());
        QVERIFY(!viewer || !viewer->isVisible());
        QCOMPARE(describe(platform().messages).constLast(), summaryMessage(0, 1));
    }

    void endingMidwayShowsNothingMore_data() {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("messagesShown");
        QTest::newRow("start message") << "start" << 1;
        QTest::newRow("Wrong") << "Wrong" << 2;
        QTest::newRow("Right!") << "Right" << 3;
        QTest::newRow("recall window") << "recall" << 3;
        QTest::newRow("Incorrect") << "Incorrect" << 4;
        QTest::newRow("Congratulations") << "Congratulations" << 5;
        QTest::newRow("practice window closed during Right!") << "closed" << 3;
    }

    // The program ends while a handler of the practice is still on the stack: the handler comes
    // back and shows nothing more, and no window is left.
    void endingMidwayShowsNothingMore() {
        QFETCH(QString, moment);
        QFETCH(int, messagesShown);

        const auto endAt = [&](const QString& here) -> std::function<void()> {
            if (here == "Right" && moment == "closed")
                return [this] { practice->close(); };
            if (here != moment)
                return {};
            return [this] { program().end(); };
        };
        setList({"ab", "cd"});
        const bool drawn = moment != "start";
        if (drawn)
            platform().queueRandom({drawing(1, 2)});
        platform().answer(Answer::Ok, endAt("start"));
        practice = program().practice.use();
        if (practice) {
            practice->show();
            press("xy", endAt("Wrong"));
        }
        if (practice && practice->isVisible()) {
            if (moment != "Right" && moment != "closed")
                platform().driveModal([&](QDialog& window) {
                    auto* form = qobject_cast<Form1*>(&window);
                    QVERIFY(form);
                    if (const auto end = endAt("recall"))
                        return end();
                    form->TypedWord->setText("x");
                    platform().answer(Answer::Ok, endAt("Incorrect"));
                    form->Command1->click();
                    if (!form->isVisible())
                        return;
                    form->TypedWord->setText("ab");
                    platform().answer(Answer::Ok, endAt("Congratulations"));
                    form->Command1->click();
                });
            press("ab", endAt("Right"));
        }
        QCoreApplication::processEvents();
        QVERIFY(platform().ended);
        QCOMPARE(platform().messages.size(), messagesShown);
        QVERIFY(!program().practice.isOpen());
        QVERIFY(!program().recall.isOpen());
        // Nor is another word drawn.
        if (drawn) {
            QCOMPARE(shared().PracticeWord, "ab");
            QCOMPARE(shared().WordPending[2], 1);
        }
    }

    void theErrorCountStopsAt32767() {
        open({"cat"});
        shared().ErrorCount = 32766;
        press("cot");
        press("cut");
        QCOMPARE(shared().ErrorCount, 32767);
        press("cat");
        recall({.tries = {"kat", "cat"}, .then = {{Answer::No}}});
        press("cat");
        QCOMPARE(describe(platform().messages).constLast(), summaryMessage(32767, 1));
    }
};

QTEST_MAIN(PracticeDrillTest)
#include "tst_practice_drill.moc"
