#include "practice/MistakeMarking.h"

#include <QTest>

// A wrong attempt as the student sees it under the correct word.
class MistakeMarkingTest : public QObject {
    Q_OBJECT

private slots:
    void marksEveryCharacterThatDoesNotLineUp_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("attempt");
        QTest::addColumn<QString>("marked");
        const struct {
            const char* name;
            QString word;
            QString attempt;
            QString marked;
        } rows[] = {
            {"a wrong letter", "cat", "cot", "c-t"},
            {"a letter short", "cat", "ca", "ca-"},
            {"a letter missing inside", "cat", "ct", "c--"},
            {"a letter extra", "cat", "cart", "ca--"},
            {"case counts", "cat", "Cat", "-at"},
            {"letters swapped", "cat", "act", "--t"},
            {"empty", "cat", "", "---"},
            {"trailing space", "cat", "cat ", "cat-"},
            {"far too long, nothing cut off", "ab", "abcdefgh", "ab------"},
            // The attempt's own dash is no mistake where the word has one.
            {"a dash in the word", "x-ray", "x-rey", "x-r-y"},
            {"precomposed accent for a combining one", u"nai\u0308ve"_qs, u"na\u00EFve"_qs,
             "na-ve"},
            {"accent missing", u"caf\u00E9"_qs, "cafe", "caf-"},
            {"accent kept whole", u"nai\u0308ve"_qs, u"nai\u0308fe"_qs, u"nai\u0308-e"_qs},
            {"emoji counts as one character", u"\U0001F600ab"_qs, u"\U0001F600xb"_qs,
             u"\U0001F600-b"_qs},
            {"emoji in place of a letter", "abc", u"a\U0001F600c"_qs, "a-c"},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.word << row.attempt << row.marked;
    }

    void marksEveryCharacterThatDoesNotLineUp() {
        QFETCH(QString, word);
        QFETCH(QString, attempt);
        QFETCH(QString, marked);
        QCOMPARE(markAttempt(word, attempt), marked);
    }
};

QTEST_APPLESS_MAIN(MistakeMarkingTest)
#include "tst_mistake_marking.moc"
