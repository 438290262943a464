// The program's text rules over plain values: characters, 8-bit files, the word-list file, marking
// a wrong attempt, the readme as shown, and where a window goes beside another.

#include "core/Characters.h"
#include "core/EightBitText.h"
#include "core/FileFilter.h"
#include "core/Placement.h"
#include "practice/MistakeMarking.h"
#include "wizard/ReadmeFile.h"
#include "wizard/WordListFile.h"

#include <QBuffer>
#include <QTest>

namespace {

QByteArray fields(int count, const char* separator) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "w" + QByteArray::number(i) + separator;
    return bytes;
}

QStringList words(int count) {
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append(QStringLiteral("w%1").arg(i));
    return list;
}

const QString Full =
    QStringLiteral("A list holds at most 30 words: the rest of the file was not read.");

} // namespace

class TextTest : public QObject {
    Q_OBJECT

private slots:
    // A character is what a reader sees as one: an accent or an emoji is never split.
    void characters_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("sharp s") << u"Straße"_qs << QStringList{"S", "t", "r", "a", u"ß"_qs, "e"};
        QTest::newRow("combining accent")
            << u"nai\u0308ve"_qs << QStringList{"n", "a", u"i\u0308"_qs, "v", "e"};
        QTest::newRow("emoji") << u"a\U0001F600b"_qs << QStringList{"a", u"\U0001F600"_qs, "b"};
    }
    void characters() {
        QFETCH(QString, word);
        QFETCH(QStringList, expected);
        QCOMPARE(::characters(word), expected);
        QCOMPARE(characterCount(word), expected.size());
    }

    // What a saved list holds, byte for byte, and that it loads back as the same words:
    // Windows-1252 where every word has a byte there, else UTF-8.
    void writes_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("cat, dog, mouse")
            << QStringList{"cat", "dog", "mouse"}
            << QByteArray::fromHex("22636174220D0A22646F67220D0A226D6F757365220D0A");
        QTest::addRow("empty list") << QStringList{} << QByteArray();
        QTest::addRow("comma, blanks, Done stay inside the quotes")
            << QStringList{"a,b", " ab ", "Done"}
            << QByteArray("\"a,b\"\r\n\" ab \"\r\n\"Done\"\r\n");
        QTest::addRow("Windows-1252")
            << QStringList{u"café"_qs, u"€uro"_qs, u"Œuvre"_qs}
            << QByteArray("\"caf\xE9\"\r\n\"\x80uro\"\r\n\"\x8Cuvre\"\r\n");
        QTest::addRow("UTF-8 when one word has no byte there")
            << QStringList{u"café"_qs, u"мир"_qs}
            << QByteArray("\"caf\xC3\xA9\"\r\n\"\xD0\xBC\xD0\xB8\xD1\x80\"\r\n");
        // Its Windows-1252 bytes would read back as "é".
        QTest::addRow("UTF-8 when the 8-bit bytes would read back as UTF-8")
            << QStringList{u"Ã©"_qs} << QByteArray("\"\xC3\x83\xC2\xA9\"\r\n");
        QTest::addRow("emoji and combining accents")
            << QStringList{u"nai\u0308ve"_qs, u"🐱"_qs}
            << QByteArray("\"nai\xCC\x88ve\"\r\n\"\xF0\x9F\x90\xB1\"\r\n");
    }
    void writes() {
        QFETCH(QStringList, list);
        QFETCH(QByteArray, bytes);
        QCOMPARE(writeWordList(list), bytes);
        const WordListReading reading = readWordList(bytes);
        QCOMPARE(reading.words, list);
        QCOMPARE(leftOutMessage(reading), QString());
    }

    // What the reader makes of any file, and what the user is told was left out.
    void reads_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("message");
        const QStringList catDog{"cat", "dog"};
        QTest::addRow("commas, blanks kept in quotes, trimmed outside")
            << QByteArray("\" c,t \",  dog\t ,\t\"x\"  \r\n") << QStringList{" c,t ", "dog", "x"}
            << "";
        QTest::addRow("LF and CR alone end lines")
            << QByteArray("cat\ndog\rmouse") << QStringList{"cat", "dog", "mouse"} << "";
        QTest::addRow("blank lines and empty fields are skipped quietly")
            << QByteArray("\r\n\r\ncat,,\"\",  \r\n\n\ndog\r\n\r\n") << catDog << "";
        QTest::addRow("a missing closing quote ends at the line end")
            << QByteArray("\"cat\r\n\"dog\"\r\n\"a\"b\"c\"x,\"mouse")
            << QStringList{"cat", "dog", "a", "mouse"} << "";
        QTest::addRow("20 characters kept, 21 left out")
            << QByteArray("abcdefghijklmnopqrst\r\nabcdefghijklmnopqrstu\r\n") +
                   QString(20, QChar(0x0416)).toUtf8()
            << QStringList{"abcdefghijklmnopqrst", QString(20, QChar(0x0416))}
            << "1 entry longer than 20 letters was left out.";
        QTest::addRow("control characters, DEL and C1 included")
            << QByteArray("c\0t,", 4) + "\"a\tb\",d\x7Fg,\xC2\x85x,dog" << QStringList{"dog"}
            << "4 entries with control characters were left out.";
        QTest::addRow("invalid UTF-8 is Windows-1252")
            << QByteArray("\"caf\xE9\",\"\x93q\x94\",\"\xC3\"")
            << QStringList{u"café"_qs, u"“q”"_qs, u"Ã"_qs} << "";
        QTest::addRow("a byte-order mark at the start only")
            << QByteArray("\xEF\xBB\xBF\"cat\",dog\r\n \xEF\xBB\xBF")
            << QStringList{"cat", "dog", u"\uFEFF"_qs} << "";
        QTest::addRow("31 fields") << fields(31, "\r\n") << words(30) << Full;
        QTest::addRow("30 words, blank lines after them") << fields(30, "\r\n") + "\r\n\r\n"
                                                          << words(30) << "";
        QTest::addRow("every kind left out")
            << QByteArray(22, 'y') + "\r\n" + QByteArray(5000, 'z') + "\r\nn\x01l\r\n" +
                   fields(31, ",")
            << words(30)
            << "2 entries longer than 20 letters were left out.  1 entry with control characters "
               "was left out.  " +
                   Full;
    }
    void reads() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(QString, message);
        const WordListReading reading = readWordList(bytes);
        QCOMPARE(reading.words, expected);
        QCOMPARE(leftOutMessage(reading), message);
    }

    // A list needs only the beginning of a file: one far larger is never read to its end.
    void readsOnlyAsFarAsNeeded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("message");
        QTest::addRow("a million words") << fields(1000000, "\r\n") << words(30) << Full;
        QTest::addRow("NUL bytes") << QByteArray(8 << 20, '\0') << QStringList{}
                                   << "The file is far larger than a list of words: only its "
                                      "first 64 KiB were read.";
        QTest::addRow("64 KiB exactly") << QByteArray(64 << 10, '\n') << QStringList{} << "";
    }
    void readsOnlyAsFarAsNeeded() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(QString, message);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const WordListReading reading = readWordList(buffer);
        QCOMPARE(reading.words, expected);
        QCOMPARE(leftOutMessage(reading), message);
        QVERIFY(buffer.pos() <= 64 << 10);
    }

    void eightBitText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addRow("byte-order mark skipped") << QByteArray("\xEF\xBB\xBFok") << "ok";
        QTest::addRow("a sequence cut off at the end") << QByteArray("ab\xC3") << u"ab\u00C3"_qs;
        QTest::addRow("undefined Windows-1252 bytes")
            << QByteArray("\x81\x8D\x8F\x90\x9D\x80") << u"\u0081\u008D\u008F\u0090\u009D€"_qs;
    }
    void eightBitText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeEightBit(bytes), text);
        // Every byte reads as a character that writes back as the same byte.
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        QCOMPARE(encodeWindows1252(decodeWindows1252(all)), all);
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
        row("a letter extra, nothing cut off", "cat", "cart", "ca--");
        row("case counts", "cat", "Cat", "-at");
        row("empty", "cat", "", "---");
        row("trailing space", "cat", "cat ", "cat-");
        row("a dash in the word is no mistake", "x-ray", "x-rey", "x-r-y");
        row("precomposed accent for a combining one", u"nai\u0308ve"_qs, u"na\u00EFve"_qs, "na-ve");
        row("accent kept whole", u"nai\u0308ve"_qs, u"nai\u0308fe"_qs, u"nai\u0308-e"_qs);
        row("emoji is one character", u"\U0001F600ab"_qs, u"\U0001F600xb"_qs, u"\U0001F600-b"_qs);
    }
    void markingAWrongAttempt() {
        QFETCH(QString, word);
        QFETCH(QString, attempt);
        QFETCH(QString, marked);
        QCOMPARE(markAttempt(word, attempt), marked);
    }

    // Every line end breaks the line, control characters show as symbols and cut nothing short,
    // and a line too long to read is broken, never between the halves of a surrogate pair.
    void readmeAsShown_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addRow("line ends") << "a\r\nb\rc\nd"
                                   << "a\nb\nc\nd";
        QTest::addRow("NUL and control characters go on to the end")
            << QString::fromLatin1("a\0b\x01\tc\x7F", 7) << u"a␀b␁\tc␡"_qs;
        QTest::addRow("a long line")
            << QString(999, 'x') + u"🐱y\n"_qs + QString(1000, 'z') + "\n"
            << QString(999, 'x') + u"🐱\ny\n"_qs + QString(1000, 'z') + "\n";
    }
    void readmeAsShown() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(readmeDisplayText(text), shown);
    }

    void placesBesideWhatMustStayInView_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("keepClear");
        // The frame as it is, and as small as it may be made.
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("smallest");
        QTest::addColumn<QRect>("placed");
        const QRect laptop(0, 0, 1366, 768);
        const QRect wizard(76, 109, 446, 385);
        const QSize viewer(428, 415);
        QTest::newRow("on the right")
            << laptop << wizard << viewer << viewer << QRect(QPoint(530, 109), viewer);
        QTest::newRow("on the left, lined up on the screen")
            << laptop << QRect(900, 500, 400, 200) << viewer << viewer
            << QRect(QPoint(464, 353), viewer);
        QTest::newRow("below") << laptop << QRect(0, 0, 1366, 300) << viewer << viewer
                               << QRect(QPoint(0, 308), viewer);
        QTest::newRow("above") << laptop << QRect(0, 500, 1366, 268) << viewer << viewer
                               << QRect(QPoint(0, 77), viewer);
        QTest::newRow("made smaller on the right")
            << QRect(0, 0, 800, 800) << wizard << viewer << viewer / 2 << QRect(530, 109, 270, 415);
        QTest::newRow("no room: the most, on the screen")
            << QRect(0, 0, 640, 480) << QRect(100, 300, 300, 100) << viewer << viewer
            << QRect(QPoint(100, 0), viewer);
    }
    void placesBesideWhatMustStayInView() {
        QFETCH(QRect, screen);
        QFETCH(QRect, keepClear);
        QFETCH(QSize, frame);
        QFETCH(QSize, smallest);
        QFETCH(QRect, placed);
        QCOMPARE(placeBeside(frame, keepClear, screen, smallest), placed);
    }

    // "*.*" lists every file, names without a dot too; a description keeps only its own words.
    void fileDialogFilters() {
        QCOMPARE(qtNameFilters("All files (*.*)|*.*|Tovrin Files (*.tvr)|*.tvr|Lists|*.tvr;*.txt"),
                 QStringList({"All files (*)", "Tovrin Files (*.tvr)", "Lists (*.tvr *.txt)"}));
    }
};

QTEST_APPLESS_MAIN(TextTest)
#include "tst_text.moc"
