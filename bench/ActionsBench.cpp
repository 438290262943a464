// User actions on the real windows, each timed until its repaint is done: the user sees what an
// action did only then. Actions a user repeats all the time (a keystroke, Done) are timed over many
// repetitions. Those met once in a run of the program (a save, a load, the practice window's first
// appearance, the readme) are timed once, as the user meets them: scripts/bench.sh runs each such
// figure in processes of its own and takes the median.

#include "BenchPlatform.h"
#include "core/Program.h"
#include "practice/Main.h"
#include "screens/OptionButton.h"
#include "wizard/StartProgram.h"
#include "wizard/WordListFile.h"
#include "wizard/frmWizard.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <malloc.h>

namespace {

// A full list of 30 words, from 2 to 20 letters, as a teacher might type it.
const QStringList Words =
    QStringLiteral("at dog café house school garden because friend rhythm library February "
                   "separate necessary beautiful Wednesday definitely government restaurant "
                   "environment accommodation embarrassment conscientious questionnaire "
                   "responsibility characteristic extraordinary misunderstanding "
                   "incomprehensible uncharacteristically internationalization")
        .split(u' ');

// The process's resident memory, now ("VmRSS") or at its peak ("VmHWM"), in bytes.
qint64 residentBytes(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field + ':')) // "VmHWM:     12345 kB"
            return line.mid(field.size() + 1).trimmed().chopped(3).toLongLong() * 1024;
    return -1;
}

// Reports what the current test function (and data row) measured the first time it ran in this
// process. The user meets these actions once in a run of the program, cold, but Qt Test runs a
// benchmark once to warm up and keeps only the run after it.
void reportFirst(qreal value, QTest::QBenchmarkMetric metric) {
    static QHash<QByteArray, qreal> first;
    const QByteArray key = QByteArray(QTest::currentTestFunction()) + '/' + QTest::currentDataTag();
    if (!first.contains(key))
        first.insert(key, value);
    QTest::setBenchmarkResult(first.value(key), metric);
}

} // namespace

class ActionsBench : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::instance()->installEventFilter(this); }
    void init();
    void cleanup();
    void keystroke();
    void nextWithSave();
    void done();
    void practiceFirstAppearance();
    void load();
    void readme_data();
    void readme();
    void readmeMemory_data() { readme_data(); }
    void readmeMemory();

private:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            painted_ =
                painted_ || static_cast<QWidget*>(watched)->window()->objectName() == awaited_;
        return false;
    }
    // Does what a user does, then delivers the events it left behind until the window named
    // `window` has painted: the user sees what the action did only then.
    void act(const std::function<void()>& action, const char* window);
    void click(QAbstractButton* button, const char* window = "frmWizard") {
        act([button] { QTest::mouseClick(button, Qt::LeftButton); }, window);
    }
    // A click the user meets once in a run of the program. Users pause before it, so whatever the
    // program leaves for idle time is done first. Reported as `metric`: the time until the
    // window has painted, on a clock of its own (QBENCHMARK_ONCE counts whole milliseconds only),
    // or as bytes allocated, the growth of the process's peak resident memory.
    void clickOnce(QAbstractButton* button, const char* window,
                   QTest::QBenchmarkMetric metric = QTest::WalltimeMilliseconds);
    // From page 1 to a full list typed on the typing page, then on to its review, saved.
    void typeWords();
    void typeList() {
        typeWords();
        click(wizard()->butNext);
    }
    // Page 1 with the readme chosen, readme.txt holding the row's text.
    void chooseReadme();

    frmWizard* wizard() const { return program_->wizard.get(); }

    QTemporaryDir folder_;
    BenchPlatform platform_;
    std::unique_ptr<Program> program_;
    QString awaited_;
    bool painted_ = false;
};

void ActionsBench::init() {
    QVERIFY(QDir::setCurrent(folder_.path()));
    platform_.fileName = folder_.filePath(QStringLiteral("today.tvr"));
    program_ = std::make_unique<Program>(platform_);
    startProgram(*program_);
    wizard()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(wizard()));
}

void ActionsBench::cleanup() {
    program_.reset();
}

void ActionsBench::act(const std::function<void()>& action, const char* window) {
    awaited_ = QLatin1String(window);
    painted_ = false;
    action();
    const QDeadlineTimer deadline(10'000);
    while (!painted_ && !deadline.hasExpired())
        QCoreApplication::processEvents();
    QVERIFY2(painted_, window);
}

void ActionsBench::clickOnce(QAbstractButton* button, const char* window,
                             QTest::QBenchmarkMetric metric) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const bool memory = metric == QTest::BytesAllocated;
    if (memory) {
        malloc_trim(0);
        QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
        // "5" sets the peak to the resident memory of now.
        QVERIFY(clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1 &&
                clearRefs.flush());
    }
    const qint64 before = residentBytes("VmRSS");
    QElapsedTimer clock;
    clock.start();
    click(button, window);
    reportFirst(memory ? qreal(residentBytes("VmHWM") - before) : qreal(clock.nsecsElapsed()) / 1e6,
                metric);
}

void ActionsBench::typeWords() {
    click(wizard()->butNext);
    for (const QString& word : Words) {
        wizard()->Word->setText(word);
        click(wizard()->Command1);
    }
}

void ActionsBench::keystroke() {
    click(wizard()->butNext);
    // Letters and Backspaces in turn, so that the word in the box stays as short as a word is.
    int keys = 0;
    QBENCHMARK {
        const Qt::Key key = ++keys % 2 ? Qt::Key_A : Qt::Key_Backspace;
        act([this, key] { QTest::keyClick(wizard()->Word, key); }, "frmWizard");
    }
}

void ActionsBench::nextWithSave() {
    typeWords();
    clickOnce(wizard()->butNext, "frmWizard");
    QVERIFY(QFileInfo::exists(platform_.fileName));
}

void ActionsBench::done() {
    typeList();
    click(wizard()->butNext, "Main");
    Main* practice = program_->practice.get();
    QVERIFY(practice);
    // A wrong attempt, marked, as often as wanted: a right one leads on to the next word.
    QBENCHMARK {
        practice->TWord->setText(program_->shared.PracticeWord + u'x');
        click(practice->Command1, "Main");
    }
}

void ActionsBench::practiceFirstAppearance() {
    typeList();
    clickOnce(wizard()->butNext, "Main");
    QVERIFY(program_->practice.isOpen());
}

void ActionsBench::load() {
    QFile list(platform_.fileName);
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write(writeWordList(Words)) > 0);
    list.close();
    click(wizard()->Option1);
    clickOnce(wizard()->butNext, "frmWizard");
    QCOMPARE(program_->shared.WordCount, 31);
}

void ActionsBench::readme_data() {
    QTest::addColumn<QByteArray>("text");
    // The viewer's worst: a line for each byte. Then its longest line, and a symbol for each byte.
    QTest::newRow("line ends") << QByteArray(64 * 1024, '\n');
    QTest::newRow("one line") << QByteArray(64 * 1024, 'x');
    QTest::newRow("NUL bytes") << QByteArray(64 * 1024, '\0');
}

void ActionsBench::chooseReadme() {
    QFETCH(QByteArray, text);
    QFile readme(QStringLiteral("readme.txt"));
    QVERIFY(readme.open(QIODevice::WriteOnly) && readme.write(text) == text.size());
    readme.close();
    click(wizard()->Option3);
}

void ActionsBench::readme() {
    chooseReadme();
    clickOnce(wizard()->butNext, "Form5");
    QVERIFY(program_->readme.isOpen());
}

void ActionsBench::readmeMemory() {
    chooseReadme();
    clickOnce(wizard()->butNext, "Form5", QTest::BytesAllocated);
    QVERIFY(program_->readme.isOpen());
}

QTEST_MAIN(ActionsBench)
#include "ActionsBench.moc"
