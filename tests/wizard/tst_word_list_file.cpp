// The word-list file over bytes: what the writer writes and what the reader makes of any file.

#include "core/EightBitText.h"
#include "wizard/WordListFile.h"

#include <QBuffer>
#include <QTest>

namespace {

// The list cat, dog, mouse as its 23 bytes.
const QByteArray CatDogMouse =
    QByteArray::fromHex("22636174220D0A22646F67220D0A226D6F757365220D0A");

QByteArray fields(int count, const char* separator) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "w" + QByteArray::number(i) + separator;
    return bytes;
}

QStringList words(int from, int to) {
    QStringList list;
    for (int i = from; i <= to; ++i)
        list.append(QStringLiteral("w%1").arg(i));
    return list;
}

} // namespace

class WordListFileTest : public QObject {
    Q_OBJECT

private slots:
    void writes_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("cat, dog, mouse") << QStringList{"cat", "dog", "mouse"} << CatDogMouse;
        QTest::addRow("empty list") << QStringList{} << QByteArray();
        QTest::addRow("comma and blanks stay inside the quotes")
            << QStringList{"a,b", " ab "} << QByteArray("\"a,b\"\r\n\" ab \"\r\n");
        QTest::addRow("Windows-1252 when every word has a byte there")
            << QStringList{u"café"_qs, u"€uro"_qs} << QByteArray("\"caf\xE9\"\r\n\"\x80uro\"\r\n");
        QTest::addRow("UTF-8 when one word has none")
            << QStringList{u"café"_qs, u"мир"_qs}
            << QByteArray("\"caf\xC3\xA9\"\r\n\"\xD0\xBC\xD0\xB8\xD1\x80\"\r\n");
        // Its Windows-1252 bytes would read back as "é".
        QTest::addRow("UTF-8 when the 8-bit bytes would read back as UTF-8")
            << QStringList{u"Ã©"_qs} << QByteArray("\"\xC3\x83\xC2\xA9\"\r\n");
    }
    void writes() {
        QFETCH(QStringList, list);
        QFETCH(QByteArray, bytes);
        QCOMPARE(writeWordList(list), bytes);
        QCOMPARE(readWordList(bytes).words, list);
    }

    // Whatever the words, a saved list loads back as the same words.
    void savedListsLoadBackUnchanged_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addRow("accented Latin") << QStringList{u"Straße"_qs, u"naïve"_qs, u"Œuvre"_qs};
        QTest::addRow("Greek and Cyrillic") << QStringList{u"λόγος"_qs, u"слово"_qs};
        QTest::addRow("combining accent and emoji")
            << QStringList{u"nai\u0308ve"_qs, u"🐱cat"_qs, u"👩‍👩‍👧‍👦"_qs};
        QTest::addRow("blanks, commas, one letter, Done")
            << QStringList{"  ", "a", "x,y", "Done", u"twenty characters..."_qs};
        QTest::addRow("thirty words") << words(1, 30);
    }
    void savedListsLoadBackUnchanged() {
        QFETCH(QStringList, list);
        const WordListReading reading = readWordList(writeWordList(list));
        QCOMPARE(reading.words, list);
        QVERIFY(leftOutMessage(reading).isEmpty());
    }

    void reads_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("message");
        const QStringList catDog{"cat", "dog"};
        QTest::addRow("empty file") << QByteArray() << QStringList{} << "";
        QTest::addRow("commas inside quotes")
            << QByteArray("\"a,b\",c\r\n") << QStringList{"a,b", "c"} << "";
        QTest::addRow("blanks kept inside quotes, trimmed outside")
            << QByteArray("\" cat \",  dog\t ,\t\"x\"  \r\n") << QStringList{" cat ", "dog", "x"}
            << "";
        QTest::addRow("unquoted lines with CR LF") << QByteArray("cat\r\ndog\r\n") << catDog << "";
        QTest::addRow("LF only") << QByteArray("cat\ndog\n") << catDog << "";
        QTest::addRow("CR only") << QByteArray("cat\rdog") << catDog << "";
        QTest::addRow("blank lines and empty fields are skipped quietly")
            << QByteArray("\r\n\r\ncat,,\"\",  \r\n\n\ndog\r\n\r\n") << catDog << "";
        QTest::addRow("a double quote inside an unquoted field is kept")
            << QByteArray("ca\"t\r\n") << QStringList{"ca\"t"} << "";
        QTest::addRow("a missing closing quote ends at the line end")
            << QByteArray("\"cat\r\n\"dog\"\r\n\"mouse") << QStringList{"cat", "dog", "mouse"}
            << "";
        QTest::addRow("text after a closing quote is dropped")
            << QByteArray("\"cat\"s,dog\r\n\"a\"b\"c\"\r\n") << QStringList{"cat", "dog", "a"}
            << "";
        QTest::addRow("one letter") << QByteArray("\"a\"\r\n") << QStringList{"a"} << "";
        QTest::addRow("20 characters kept, 21 left out")
            << QByteArray("abcdefghijklmnopqrst\r\nabcdefghijklmnopqrstu\r\ncat\r\n")
            << QStringList{"abcdefghijklmnopqrst", "cat"}
            << "1 entry longer than 20 letters was left out.";
        QTest::addRow("20 characters that take 40 bytes")
            << QString(20, QChar(0x0416)).toUtf8() << QStringList{QString(20, QChar(0x0416))} << "";
        QTest::addRow("a field far beyond any word")
            << QByteArray(5000, 'x') + "\r\ncat" << QStringList{"cat"}
            << "1 entry longer than 20 letters was left out.";
        QTest::addRow("NUL bytes and tabs inside quotes")
            << QByteArray("c\0t,\"a\tb\",dog", 13) << QStringList{"dog"}
            << "2 entries with control characters were left out.";
        QTest::addRow("invalid UTF-8 is Windows-1252")
            << QByteArray("\"caf\xE9\",\"\x93quoted\x94\",\"\xC3\"")
            << QStringList{u"café"_qs, u"“quoted”"_qs, u"Ã"_qs} << "";
        QTest::addRow("UTF-8") << QByteArray("\"caf\xC3\xA9\"\r\n\xF0\x9F\x90\xB1\r\n")
                               << QStringList{u"café"_qs, u"🐱"_qs} << "";
        QTest::addRow("a UTF-8 byte-order mark before a quote")
            << QByteArray("\xEF\xBB\xBF\"cat\",dog") << catDog << "";
        QTest::addRow("a byte-order mark later in the file is a character")
            << QByteArray("cat\r\n \xEF\xBB\xBF\r\n") << QStringList{"cat", u"\uFEFF"_qs} << "";
        QTest::addRow("31 fields")
            << fields(31, "\r\n") << words(1, 30)
            << "A list holds at most 30 words: the rest of the file was not read.";
        QTest::addRow("1,000 fields on one line")
            << fields(1000, ",") << words(1, 30)
            << "A list holds at most 30 words: the rest of the file was not read.";
        QTest::addRow("30 words and blank lines after them") << fields(30, "\r\n") + "\r\n\r\n"
                                                             << words(1, 30) << "";
        QTest::addRow("every kind of entry left out")
            << QByteArray(22, 'y') + "\r\n" + QByteArray(30, 'z') + "\r\nn\x01l\r\n" +
                   fields(31, ",")
            << words(1, 30)
            << "2 entries longer than 20 letters were left out.  1 entry with control characters "
               "was left out.  A list holds at most 30 words: the rest of the file was not read.";
    }
    void reads() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(QString, message);
        const WordListReading reading = readWordList(bytes);
        QCOMPARE(reading.words, expected);
        QCOMPARE(leftOutMessage(reading), message);
    }

    // A list needs only its beginning: a file far larger than a list is not read to its end.
    void readsOnlyAsFarAsNeeded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("tooLarge");
        QTest::addRow("a million words") << fields(1000000, "\r\n") << words(1, 30) << false;
        QTest::addRow("blank lines without end")
            << QByteArray(8 << 20, '\n') << QStringList{} << true;
        QTest::addRow("one endless field") << QByteArray(8 << 20, 'x') << QStringList{} << true;
        QTest::addRow("NUL bytes") << QByteArray(8 << 20, '\0') << QStringList{} << true;
    }
    void readsOnlyAsFarAsNeeded() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(bool, tooLarge);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const WordListReading reading = readWordList(buffer);
        QCOMPARE(reading.words, expected);
        QCOMPARE(reading.tooLarge, tooLarge);
        QVERIFY2(buffer.pos() <= 64 * 1024, qPrintable(QString::number(buffer.pos())));
    }

    void eightBitText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addRow("byte-order mark skipped") << QByteArray("\xEF\xBB\xBFok") << "ok";
        QTest::addRow("sequence cut off at the end")
            << QByteArray("ab\xC3") << QStringLiteral("ab\u00C3");
        QTest::addRow("encoded surrogate is not UTF-8")
            << QByteArray("\xED\xA0\x80") << QStringLiteral("\u00ED\u00A0\u20AC");
        QTest::addRow("undefined Windows-1252 bytes")
            << QByteArray("\x81\x8D\x8F\x90\x9D")
            << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
    }
    void eightBitText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeEightBit(bytes), text);
    }

    // Every byte reads as a character that writes back as the same byte.
    void everyWindows1252ByteRoundTrips() {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        QCOMPARE(encodeWindows1252(decodeWindows1252(all)), all);
        QVERIFY(!encodeWindows1252(u"€ and ✓"_qs));
    }
};

QTEST_APPLESS_MAIN(WordListFileTest)
#include "tst_word_list_file.moc"
