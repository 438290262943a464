// Many random practice sessions: random lists, right and wrong attempts, right, wrong and
// abandoned recalls, further passes, and the practice window closed at random. (An empty list
// has tests of its own.) Whatever happens,
// every word comes exactly once a pass, the summary counts every wrong attempt and every wrong
// recall, no more than half of a word is ever hidden, and nothing crashes.

#include "TestSession.h"
#include "core/Characters.h"
#include "practice/Form1.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <random>

namespace {

constexpr int Sessions = 800;

// What words are made of: letters, an accented letter in both of its forms, and an emoji.
const QStringList Alphabet{
    "a", "b", "e", "o", "s", "t", "A", "-", u"\u00E9"_qs, u"e\u0301"_qs, u"\U0001F600"_qs};

struct Totals {
    int passes = 0;
    int words = 0;
    int attempts = 0;
    int recalls = 0;
    int closed = 0;
};

// One session, driven by its own seed through the practice window's controls.
class RandomSession {
public:
    RandomSession(unsigned seed, Totals& totals)
        : random_(seed)
        , totals_(totals) {
        test_.platform.seedRandom(seed);
    }

    void run() {
        const QStringList words = makeList();
        passesLeft_ = between(1, 3);
        test_.platform.answer(Platform::Answer::Ok);
        practice_ = test_.program.practice.use();
        QVERIFY(practice_);
        practice_->show();
        for (;;) {
            ++totals_.passes;
            errors_ = 0;
            QStringList met;
            for (qsizetype word = 0; word < words.size() && !test_.platform.ended; ++word) {
                met.append(practice_->Word->text());
                practise(word == words.size() - 1);
                if (QTest::currentTestFailed())
                    return;
            }
            // The practice window was closed in the middle of the pass.
            if (test_.platform.ended && !summaryAsked_)
                break;
            std::sort(met.begin(), met.end());
            QStringList expected = words;
            std::sort(expected.begin(), expected.end());
            QCOMPARE(met, expected);
            QCOMPARE(lastSummary(), summary(errors_, words.size()));
            summaryAsked_ = false;
            if (test_.platform.ended)
                break;
            QVERIFY(practice_->isVisible());
        }
        QCOMPARE(test_.platform.unusedAnswers(), 0);
    }

private:
    int between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    QStringList makeList() {
        const int count = chance(0.2) ? between(1, 30) : between(1, 6);
        QStringList words;
        for (int word = 0; word < count; ++word) {
            QString text;
            for (int letter = between(1, 20); letter > 0; --letter)
                text += Alphabet.at(between(0, int(Alphabet.size()) - 1));
            words.append(text);
        }
        MODULE11& shared = test_.program.shared;
        for (qsizetype i = 0; i < words.size(); ++i)
            shared.WordList[static_cast<std::size_t>(i + 1)] = words.at(i);
        shared.WordList[static_cast<std::size_t>(count + 1)] = "Done";
        shared.WordCount = static_cast<qint16>(count + 1);
        return words;
    }

    static QString summary(int errors, qsizetype words) {
        return QStringLiteral("You Made %1 Errors on the %2 words.  More Practice")
            .arg(errors)
            .arg(words);
    }

    QString lastSummary() const {
        const auto& messages = test_.platform.messages;
        for (auto message = messages.crbegin(); message != messages.crend(); ++message)
            if (message->title == "Finished?")
                return message->text;
        return {};
    }

    // A wrong attempt or recall at `word`, sometimes one that looks right.
    QString wrongFor(const QString& word) {
        QStringList letters = characters(word);
        switch (between(0, 4)) {
        case 0:
            letters.clear();
            break;
        case 1:
            letters.insert(between(0, int(letters.size())), Alphabet.at(between(0, 10)));
            break;
        case 2:
            letters.removeAt(between(0, int(letters.size()) - 1));
            break;
        case 3:
            letters[between(0, int(letters.size()) - 1)] = Alphabet.at(between(0, 10));
            break;
        default:
            return word.toUpper() == word ? word + " " : word.toUpper();
        }
        const QString wrong = letters.join(QString());
        return wrong == word ? word + "x" : wrong;
    }

    void checkShown(const QStringList& letters, int rights) {
        const QStringList shown = characters(practice_->Word->text());
        QCOMPARE(shown.size(), letters.size());
        const auto hidden = shown.count(" ");
        QCOMPARE(hidden, qsizetype(rights));
        QVERIFY(hidden * 2 <= letters.size());
        for (qsizetype k = 0; k < letters.size(); ++k)
            QVERIFY(shown.at(k) == " " || shown.at(k) == letters.at(k));
    }

    // One word of the pass, from its first attempt to the end of its recall.
    void practise(bool lastOfPass) {
        ++totals_.words;
        const QString word = practice_->Word->text();
        const QStringList letters = characters(word);
        const qsizetype needed = (letters.size() + 1) / 2;
        for (int rights = 0; rights < needed;) {
            checkShown(letters, rights);
            if (QTest::currentTestFailed())
                return;
            if (chance(1.0 / 150)) {
                closePractice();
                return;
            }
            ++totals_.attempts;
            const bool right = !chance(0.3);
            if (right && ++rights == needed)
                planRecall(word, lastOfPass);
            if (!right)
                ++errors_;
            practice_->TWord->setText(right ? word : wrongFor(word));
            test_.platform.answer(Platform::Answer::Ok);
            QTest::mouseClick(practice_->Command1, Qt::LeftButton);
        }
    }

    void planRecall(const QString& word, bool lastOfPass) {
        ++totals_.recalls;
        const int wrong = between(0, 2);
        const bool closeBox = chance(0.15);
        errors_ += wrong;
        test_.platform.driveModal([this, word, wrong, closeBox, lastOfPass](QDialog& window) {
            auto* recall = qobject_cast<Form1*>(&window);
            QVERIFY(recall);
            for (int attempt = 0; attempt <= wrong; ++attempt) {
                if (attempt == wrong && closeBox) {
                    recall->close();
                    break;
                }
                QVERIFY(recall->TypedWord->text().isEmpty());
                recall->TypedWord->setText(attempt < wrong ? wrongFor(word) : word);
                test_.platform.answer(Platform::Answer::Ok);
                QTest::mouseClick(recall->Command1, Qt::LeftButton);
            }
            if (lastOfPass)
                answerSummary();
        });
    }

    void answerSummary() {
        summaryAsked_ = true;
        const bool more = --passesLeft_ > 0;
        test_.platform.answer(more ? Platform::Answer::Yes : Platform::Answer::No);
        if (more)
            test_.platform.answer(Platform::Answer::Ok);
    }

    // The close box of the practice window, in the middle of a pass: the program ends without
    // a summary.
    void closePractice() {
        ++totals_.closed;
        const qsizetype shown = test_.platform.messages.size();
        practice_->close();
        QCoreApplication::processEvents();
        QVERIFY(test_.platform.ended);
        QCOMPARE(test_.platform.messages.size(), shown);
    }

    std::mt19937 random_;
    Totals& totals_;
    TestSession test_;
    Main* practice_ = nullptr;
    int passesLeft_ = 0;
    int errors_ = 0;
    bool summaryAsked_ = false;
};

} // namespace

class PracticeSessionsTest : public QObject {
    Q_OBJECT

private slots:
    void randomSessions() {
        Totals totals;
        for (unsigned seed = 1; seed <= Sessions; ++seed) {
            RandomSession(seed, totals).run();
            verifyNoWindowLeft();
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("in the session of seed %1").arg(seed)));
        }
        qInfo("%d sessions: %d passes, %d words, %d attempts, %d recalls, %d windows closed",
              Sessions, totals.passes, totals.words, totals.attempts, totals.recalls,
              totals.closed);
    }
};

QTEST_MAIN(PracticeSessionsTest)
#include "tst_practice_sessions.moc"
