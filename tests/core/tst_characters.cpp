#include "core/Characters.h"

#include <QTest>

// Characters are what a reader sees as one: accents and emoji are never split.
class CharactersTest : public QObject {
    Q_OBJECT

private slots:
    void splitsWordsIntoCharacters_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("ascii") << QStringLiteral("cat") << QStringList{"c", "a", "t"};
        QTest::newRow("sharp s") << QStringLiteral("Straße")
                                 << QStringList{"S", "t", "r", "a", u"ß"_qs, "e"};
        QTest::newRow("precomposed accent")
            << QStringLiteral("na\u00EFve") << QStringList{"n", "a", u"\u00EF"_qs, "v", "e"};
        QTest::newRow("combining accent")
            << QStringLiteral("nai\u0308ve") << QStringList{"n", "a", u"i\u0308"_qs, "v", "e"};
        QTest::newRow("surrogate pair emoji")
            << QStringLiteral("a\U0001F600b") << QStringList{"a", u"\U0001F600"_qs, "b"};
        QTest::newRow("blank and CR LF")
            << QStringLiteral(" x\r\n") << QStringList{" ", "x", "\r\n"};
    }
    void splitsWordsIntoCharacters() {
        QFETCH(QString, word);
        QFETCH(QStringList, expected);
        QCOMPARE(characters(word), expected);
        QCOMPARE(characterCount(word), expected.size());
        QCOMPARE(characters(word).join(QString()), word);
    }
};

QTEST_APPLESS_MAIN(CharactersTest)
#include "tst_characters.moc"
