// The program's files and their text, over plain values and real files: the word-list file, 8-bit
// text, marking a wrong attempt, the readme as shown, where a window goes beside another, and
// saving over a list whole or not at all, whatever the disk does.

#include "TestSession.h"
#include "core/AtomicSave.h"
#include "core/EightBitText.h"
#include "core/Placement.h"
#include "practice/MistakeMarking.h"
#include "wizard/ReadmeFile.h"
#include "wizard/WordListFile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <unistd.h>

extern const char* const ListFiles;
extern const char* const Markings;
extern const char* const ShownReadmes;
extern const char* const Placements;

namespace {

QRect rect(const QByteArray& numbers) {
    QList<int> n;
    for (const QByteArray& number : numbers.split(','))
        n.append(number.toInt());
    return n.size() == 2 ? QRect(0, 0, n[0], n[1]) : QRect(n[0], n[1], n[2], n[3]);
}

} // namespace

Q_DECLARE_METATYPE(FileCalls)

class FilesTest : public QObject {
    Q_OBJECT

private slots:
    // Started without a standard input, as a program may be, the files it opens may come as
    // descriptor 0.
    void initTestCase() { ::close(STDIN_FILENO); }

    void listFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<QByteArray>("told");
        addRows(ListFiles);
    }
    // What the reader makes of any file, and what the user is told was left out; a list without
    // a word left out saves as the same bytes, if it was written as the program writes.
    void listFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, words);
        QFETCH(QByteArray, told);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const WordListReading reading = readWordList(buffer);
        QCOMPARE(reading.words.join(u'|'), QString::fromUtf8(words));
        QCOMPARE(leftOutMessage(reading), QString::fromUtf8(told));
        QVERIFY(buffer.pos() <= 64 << 10);
        if (bytes.endsWith("\"\r\n") || bytes.isEmpty())
            QCOMPARE(writeWordList(reading.words), bytes);
        // Every byte reads as a character that writes back as the same byte.
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        QCOMPARE(encodeWindows1252(decodeWindows1252(all)), all);
    }

    void markings_data() {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("attempt");
        QTest::addColumn<QByteArray>("marked");
        addRows(Markings);
    }
    void markings() {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, attempt);
        QFETCH(QByteArray, marked);
        QCOMPARE(markAttempt(QString::fromUtf8(word), QString::fromUtf8(attempt)),
                 QString::fromUtf8(marked));
    }

    void shownReadmes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("shown");
        addRows(ShownReadmes);
    }
    // What the readme viewer shows of a file, or why it cannot show it.
    void shownReadmes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, shown);
        QTemporaryDir folder;
        writeFile(folder.filePath("readme.txt"), bytes);
        QString text, reason;
        QCOMPARE(readReadme(folder.filePath("readme.txt"), text, reason) ? readmeDisplayText(text)
                                                                         : "(" + reason + ")",
                 QString::fromUtf8(shown));
        // A file whose reading fails, as on a failing disk.
        QVERIFY(!readReadme("/proc/self/mem", text, reason) && reason == "Input/output error");
        // A file that holds more than its size says, as one that grew while it was read does.
        QVERIFY(!readReadme("/proc/kallsyms", text, reason) &&
                reason == "it is larger than 64 KiB");
    }

    void placements_data() {
        for (const char* column : {"screen", "keepClear", "frame", "smallest", "placed"})
            QTest::addColumn<QByteArray>(column);
        addRows(Placements);
    }
    void placements() {
        QFETCH(QByteArray, screen);
        QFETCH(QByteArray, keepClear);
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, smallest);
        QFETCH(QByteArray, placed);
        QCOMPARE(
            placeBeside(rect(frame).size(), rect(keepClear), rect(screen), rect(smallest).size()),
            rect(placed));
    }

    void savingOver_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<FileCalls>("calls");
        // Empty when the save succeeds.
        QTest::addColumn<QString>("reason");
        // A disk that fails in one way: no room for the writes, an error at a write, the sync or
        // the close.
        FileCalls disk, slow = disk, noRoom = disk, badWrite = disk, badSync = disk,
                        badClose = disk;
        slow.write = [](int file, const void* bytes, size_t size) {
            return ::write(file, bytes, std::min<size_t>(size, 3));
        };
        noRoom.write = [](int, const void*, size_t) -> ssize_t { return 0; };
        badWrite.write = [](int, const void*, size_t) -> ssize_t { return errno = EIO, -1; };
        badSync.fdatasync = [](int) { return errno = EIO, -1; };
        badClose.close = [](int file) { return ::close(file), errno = EIO, -1; };
        QTest::newRow("saved") << "list.tvr" << disk << "";
        QTest::newRow("a few bytes at a time") << "list.tvr" << slow << "";
        QTest::newRow("the longest name a folder takes")
            << QString(251, 'a') + ".tvr" << disk << "";
        QTest::newRow("a name too long")
            << QString(252, 'a') + ".tvr" << disk << "File name too long";
        QTest::newRow("no room") << "list.tvr" << noRoom << "No space left on device";
        QTest::newRow("a write fails") << "list.tvr" << badWrite << "Input/output error";
        QTest::newRow("the sync fails") << "list.tvr" << badSync << "Input/output error";
        QTest::newRow("the close fails") << "list.tvr" << badClose << "Input/output error";
    }
    // The earlier list is replaced whole or not at all, and a disk that fails at any step, the
    // last sync and the close included, is reported; no other file is left behind.
    void savingOver() {
        QFETCH(QString, name);
        QFETCH(FileCalls, calls);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        const bool taken = name.size() <= 255;
        if (taken)
            writeFile(path, "earlier");
        QString told;
        // Left by an earlier call: only a call that fails sets errno.
        errno = EEXIST;
        QCOMPARE(saveAtomically(path, "\"cat\"\r\n", told, calls), reason.isEmpty());
        QCOMPARE(told, reason);
        QCOMPARE(readFile(path), !taken             ? "(missing)"
                                 : reason.isEmpty() ? "\"cat\"\r\n"
                                                    : "earlier");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), taken ? 1 : 0);
    }
};

QTEST_MAIN(FilesTest)
#include "tst_files.moc"
