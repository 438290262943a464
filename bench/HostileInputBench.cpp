#include "HostileInputBench.h"

#include "FirstPaintWatcher.h"
#include "ProcessMemory.h"
#include "ResultTable.h"
#include "TestSession.h"
#include "TestSession.h"
#include "screens/OptionButton.h"
#include "wizard/Form5.h"
#include "wizard/StartProgram.h"
#include "wizard/WordListFile.h"
#include "wizard/frmWizard.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

using Answer = Platform::Answer;

constexpr qint64 KiB = 1024;
constexpr qint64 MiB = 1024 * KiB;
constexpr qint64 GiB = 1024 * MiB;
constexpr qint64 ReadmeLimit = 64 * KiB;
// Any readme that is shown at all is on the screen within this time and this much more memory.
constexpr double TargetReadmeMs = 300;
constexpr double TargetReadmePeakBytes = 50.0 * MiB;
// A file of any size costs no more than this much more than a small one.
constexpr double TargetRatio = 1.2;
constexpr double TargetExtraPeakBytes = 1.0 * MiB;

const QByteArray FewWords = "\"cat\"\r\n\"dog\"\r\n\"mouse\"\r\n";
const QStringList FewWordsRead{"cat", "dog", "mouse"};

// A file of `size` bytes: `start`, then NUL bytes that take no room on the disk.
bool writeSparse(const QString& path, const QByteArray& start, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(start) == start.size() &&
           file.resize(size);
}

// A readme of exactly `size` bytes: plain lines of text, one line without an end, NUL bytes (each
// shown as a symbol from another font), nothing but line ends (a line each), or one letter with
// every other character a combining accent on it.
bool writeReadme(const QString& path, const QString& kind, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text;
    if (kind == QLatin1String("one line")) {
        text = QByteArray(size, 'x');
    } else if (kind == QLatin1String("NUL bytes")) {
        text = QByteArray(size, '\0');
    } else if (kind == QLatin1String("line ends")) {
        text = QByteArray(size, '\n');
    } else if (kind == QLatin1String("accents")) {
        text = "e" + QByteArray("\xCC\x81").repeated(size / 2);
        text.truncate(size);
    } else {
        text.reserve(size);
        for (int line = 1; text.size() < size; ++line)
            text +=
                "Line " + QByteArray::number(line) +
                ": the quick brown fox jumps over the lazy dog, and the list holds 30 words.\r\n";
        text.truncate(size);
    }
    return file.write(text) == size;
}

double peakSince(qint64 baseline) {
    return double(peakResidentBytes() - baseline);
}

} // namespace

HostileInputBench::HostileInputBench(ResultTable& table, int repeats)
    : table_(table)
    , repeats_(repeats) {}

HostileInputBench::~HostileInputBench() = default;

void HostileInputBench::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    QVERIFY(resetPeakResident());
    session_ = std::make_unique<TestSession>();
    startProgram(session_->program);
    frmWizard* wizard = session_->program.wizard.get();
    QVERIFY(wizard && activate(wizard));
}

void HostileInputBench::cleanup() {
    endSession(session_);
    QDir::setCurrent(QDir::rootPath());
    folder_.reset();
}

HostileInputBench::Measured HostileInputBench::loadList(const QString& path) {
    ScriptedPlatform& platform = session_->platform;
    frmWizard* wizard = session_->program.wizard.get();
    QTest::mouseClick(wizard->Option1, Qt::LeftButton);
    platform.chooseFile(path);
    // What was left out: the NUL bytes, or everything past the first 64 KiB.
    platform.answer(Answer::Ok);
    QCoreApplication::processEvents();
    resetPeakResident();
    const qint64 baseline = residentBytes();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(wizard->butNext, Qt::LeftButton);
    QCoreApplication::processEvents();
    const Measured measured{clock.nsecsElapsed() / 1e6, peakSince(baseline)};

    QStringList listed;
    const MODULE11& shared = session_->program.shared;
    for (qint16 slot = 1; slot < shared.WordCount; ++slot)
        listed.append(shared.WordList[std::size_t(slot)]);
    [&] {
        QCOMPARE(listed, FewWordsRead);
        QCOMPARE(pageOnTop(wizard), 2);
    }();
    QTest::mouseClick(wizard->butBack, Qt::LeftButton);
    QTest::mouseClick(wizard->butBack, Qt::LeftButton);
    return measured;
}

void HostileInputBench::hugeWordList() {
    const QString small = folder_->filePath(QStringLiteral("small.tvr"));
    const QString huge = folder_->filePath(QStringLiteral("huge.tvr"));
    QVERIFY(writeSparse(small, FewWords, KiB));
    QVERIFY(writeSparse(huge, FewWords, GiB));

    QList<double> smallMs, hugeMs, smallPeak, hugePeak;
    for (int round = 0; round < repeats_ && !QTest::currentTestFailed(); ++round) {
        // Alternating, so that any drift of the machine falls on both.
        const Measured first = loadList(round % 2 ? huge : small);
        const Measured second = loadList(round % 2 ? small : huge);
        const Measured& s = round % 2 ? second : first;
        const Measured& h = round % 2 ? first : second;
        smallMs.append(s.ms);
        smallPeak.append(s.peakBytes);
        hugeMs.append(h.ms);
        hugePeak.append(h.peakBytes);
    }
    const QStringList told = [this] {
        QStringList texts;
        for (const auto& message : session_->platform.messages)
            texts.append(message.text);
        return texts;
    }();
    QVERIFY(told.contains(QStringLiteral(
        "The file is far larger than a list of words: only its first 64 KiB were read.")));

    // The reader by itself, on the file opened as the wizard opens it.
    QList<double> readerSmallMs, readerHugeMs;
    for (int round = 0; round < repeats_; ++round) {
        for (const QString& path : {small, huge}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QElapsedTimer clock;
            clock.start();
            const WordListReading reading = readWordList(file);
            (path == small ? readerSmallMs : readerHugeMs).append(clock.nsecsElapsed() / 1e6);
            QCOMPARE(reading.words, FewWordsRead);
        }
    }

    const QString of = QStringLiteral(" (median of %1)").arg(repeats_);
    const double ratio = median(hugeMs) / median(smallMs);
    const double extraPeak = median(hugePeak) - median(smallPeak);
    table_.add(QStringLiteral("load 1 KiB list through the wizard") + of,
               ResultTable::milliseconds(median(smallMs)));
    table_.add(QStringLiteral("load 1 GiB sparse list through the wizard") + of,
               ResultTable::milliseconds(median(hugeMs)));
    table_.add(QStringLiteral("load time ratio 1 GiB/1 KiB"), ResultTable::ratio(ratio),
               QStringLiteral("<= %1").arg(TargetRatio), ratio <= TargetRatio);
    table_.add(QStringLiteral("load 1 KiB list: peak memory growth"),
               ResultTable::mebibytes(median(smallPeak)));
    table_.add(QStringLiteral("load 1 GiB list: peak memory growth"),
               ResultTable::mebibytes(median(hugePeak)));
    table_.add(QStringLiteral("load peak memory 1 GiB - 1 KiB"), ResultTable::mebibytes(extraPeak),
               QStringLiteral("<= ") + ResultTable::mebibytes(TargetExtraPeakBytes),
               extraPeak <= TargetExtraPeakBytes);
    table_.add(QStringLiteral("list reader alone, 1 KiB file") + of,
               ResultTable::milliseconds(median(readerSmallMs)));
    table_.add(QStringLiteral("list reader alone, 1 GiB file (reads 64 KiB)") + of,
               ResultTable::milliseconds(median(readerHugeMs)));
}

HostileInputBench::Measured HostileInputBench::showReadme() {
    frmWizard* wizard = session_->program.wizard.get();
    QTest::mouseClick(wizard->Option3, Qt::LeftButton);
    QCoreApplication::processEvents();
    resetPeakResident();
    const qint64 baseline = residentBytes();
    FirstPaintWatcher viewerPainted(nullptr, QStringLiteral("Form5"));
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(wizard->butNext, Qt::LeftButton);
    // The user waits until the text is on the screen.
    const QDeadlineTimer deadline(60'000);
    while (!viewerPainted.painted() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const Measured measured{clock.nsecsElapsed() / 1e6, peakSince(baseline)};
    [&] { QVERIFY(viewerPainted.painted()); }();
    session_->program.readme.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return measured;
}

void HostileInputBench::largeReadme() {
    QVERIFY(QDir::setCurrent(folder_->path()));
    const QString readme = folder_->filePath(QStringLiteral("readme.txt"));
    double worstMs = 0;
    double worstPeak = 0;
    for (const QString& kind :
         {QStringLiteral("short lines"), QStringLiteral("one line"), QStringLiteral("NUL bytes"),
          QStringLiteral("line ends"), QStringLiteral("accents")}) {
        QVERIFY(writeReadme(readme, kind, ReadmeLimit));
        QList<double> shownMs, shownPeak;
        for (int round = 0; round < std::max(3, repeats_ / 4) && !QTest::currentTestFailed();
             ++round) {
            const Measured shown = showReadme();
            shownMs.append(shown.ms);
            shownPeak.append(shown.peakBytes);
        }
        const QString of = QStringLiteral(" (median of %1)").arg(shownMs.size());
        table_.add(QStringLiteral("readme of 64 KiB, %1: read and shown, until painted").arg(kind) +
                       of,
                   ResultTable::milliseconds(median(shownMs)));
        table_.add(QStringLiteral("readme of 64 KiB, %1: peak memory growth").arg(kind) + of,
                   ResultTable::mebibytes(median(shownPeak)));
        worstMs = std::max(worstMs, median(shownMs));
        worstPeak = std::max(worstPeak, median(shownPeak));
    }
    table_.add(QStringLiteral("worst readme shown: time until painted"),
               ResultTable::milliseconds(worstMs), QStringLiteral("<= %1 ms").arg(TargetReadmeMs),
               worstMs <= TargetReadmeMs);
    table_.add(QStringLiteral("worst readme shown: peak memory growth"),
               ResultTable::mebibytes(worstPeak),
               QStringLiteral("<= ") + ResultTable::mebibytes(TargetReadmePeakBytes),
               worstPeak <= TargetReadmePeakBytes);

    QVERIFY(writeReadme(readme, QStringLiteral("short lines"), ReadmeLimit + 1));
    frmWizard* wizard = session_->program.wizard.get();
    session_->platform.answer(Answer::Ok);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(wizard->butNext, Qt::LeftButton);
    QCoreApplication::processEvents();
    const double refusedMs = clock.nsecsElapsed() / 1e6;
    const bool refused =
        !session_->program.readme.isOpen() && session_->platform.messages.last().text.endsWith(
                                                  QStringLiteral("(it is larger than 64 KiB)."));
    table_.add(QStringLiteral("readme of 64 KiB + 1 byte: refused with a message"),
               refused ? ResultTable::milliseconds(refusedMs) : QStringLiteral("shown"),
               QStringLiteral("refused"), refused);
}
