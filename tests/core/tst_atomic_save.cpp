// Saving over a list: the earlier file is replaced whole or not at all, and a disk that fails at
// any step, the last sync and the close included, is reported.

#include "TestSession.h"
#include "core/AtomicSave.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>

namespace {

ssize_t noRoom(int, const void*, size_t) {
    errno = ENOSPC;
    return -1;
}

// Takes three bytes a time, as a pipe-like or network file may.
ssize_t fewBytesAtATime(int descriptor, const void* bytes, size_t size) {
    return ::write(descriptor, bytes, std::min<size_t>(size, 3));
}

int failingSync(int) {
    errno = EIO;
    return -1;
}

int failingClose(int descriptor) {
    ::close(descriptor);
    errno = EIO;
    return -1;
}

} // namespace

Q_DECLARE_METATYPE(FileCalls)

class AtomicSaveTest : public QObject {
    Q_OBJECT

private slots:
    void replacesWholeOrNotAtAll_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<FileCalls>("calls");
        // Empty when the save succeeds.
        QTest::addColumn<QString>("reason");
        const QString list = QStringLiteral("list.tvr");
        const FileCalls disk;
        QTest::addRow("saved") << list << disk << "";
        QTest::addRow("written a few bytes at a time")
            << list << FileCalls{fewBytesAtATime, disk.fdatasync, disk.close} << "";
        QTest::addRow("the longest name a folder takes")
            << QString(251, 'a') + ".tvr" << disk << "";
        QTest::addRow("a name too long")
            << QString(252, 'a') + ".tvr" << disk << "File name too long";
        QTest::addRow("no room for the writes")
            << list << FileCalls{noRoom, disk.fdatasync, disk.close} << "No space left on device";
        QTest::addRow("the disk fails at the sync")
            << list << FileCalls{disk.write, failingSync, disk.close} << "Input/output error";
        QTest::addRow("the disk fails at the close")
            << list << FileCalls{disk.write, disk.fdatasync, failingClose} << "Input/output error";
    }
    void replacesWholeOrNotAtAll() {
        QFETCH(QString, name);
        QFETCH(FileCalls, calls);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        const bool nameTaken = name.size() <= 255;
        if (nameTaken)
            writeFile(path, "earlier");
        QString told;
        QCOMPARE(saveAtomically(path, "\"cat\"\r\n", told, calls), reason.isEmpty());
        QCOMPARE(told, reason);
        QFile saved(path);
        if (nameTaken) {
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(), reason.isEmpty() ? "\"cat\"\r\n" : "earlier");
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 nameTaken ? 1 : 0);
    }
};

QTEST_MAIN(AtomicSaveTest)
#include "tst_atomic_save.moc"
