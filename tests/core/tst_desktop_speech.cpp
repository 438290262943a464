// The desktop platform's speech for real, with the flite engine, in a practice of two words:
// into a PulseAudio null sink, or with no audio device at all (tests/core/with-audio.sh starts
// the one or hides every one, and says which in TOVRIN_TEST_AUDIO). The speech libraries are
// loaded only once the practice window has painted; with a device each word is said, as it comes
// up, again at F5 and again as the recall opens, each a stream of its own; without one nothing is
// heard, nothing is shown, and the practice goes on.

#include "TestSession.h"
#include "core/DesktopPlatform.h"
#include "core/DesktopSpeech.h"
#include "core/Program.h"
#include "practice/Form1.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

namespace {

// Waiting covers loading the libraries and saying a word on a busy machine.
constexpr int PatienceMs = 30000;

// Whether the process has a file mapped whose name holds `part`.
bool mapped(const char* part) {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(part);
}

// Counts the streams that the PulseAudio server opens on its sinks, from its event stream.
class SinkStreams : public QObject {
public:
    // False if the server's events cannot be followed.
    bool follow() {
        connect(&events_, &QProcess::readyReadStandardOutput, this, [this] {
            while (events_.canReadLine()) {
                const QByteArray line = events_.readLine();
                clientSeen_ = clientSeen_ || line.contains("on client");
                opened_ += line.startsWith("Event 'new' on sink-input") ? 1 : 0;
            }
        });
        // Line by line, not a block at a time into the pipe.
        events_.start(QStringLiteral("stdbuf"), {QStringLiteral("-oL"), QStringLiteral("pactl"),
                                                 QStringLiteral("subscribe")});
        if (!events_.waitForStarted())
            return false;
        // Any client that connects is an event: once one is seen the subscription stands, and no
        // stream can be missed.
        const QDeadlineTimer deadline(PatienceMs);
        while (!clientSeen_ && !deadline.hasExpired()) {
            QProcess client;
            client.start(QStringLiteral("pactl"), {QStringLiteral("info")});
            if (!client.waitForFinished() || client.exitCode() != 0)
                return false;
            events_.waitForReadyRead(1000);
        }
        return clientSeen_;
    }

    int opened() const { return opened_; }

private:
    QProcess events_;
    bool clientSeen_ = false;
    int opened_ = 0;
};

} // namespace

class DesktopSpeechTest : public QObject {
    Q_OBJECT

    // Answers each message box, and types the word into the recall window once it has been said
    // there; the boxes' texts are noted.
    void respond(Program& program, QStringList& boxes) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || state_ == Voice::State::Speaking)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes.append(box->text());
            box->accept();
        } else if (auto* recall = qobject_cast<Form1*>(modal)) {
            if (said_ < recallSaid_)
                return;
            recall->TypedWord->setText(program.shared.PracticeWord);
            // Outside this handler: the button opens a message box of its own.
            QMetaObject::invokeMethod(recall->Command1, &QPushButton::click, Qt::QueuedConnection);
        }
    }

    Voice::State state_ = Voice::State::Ready;
    // Times the voice went from speaking back to ready, and how many of those the recall waits for.
    int said_ = 0;
    int recallSaid_ = 0;

private slots:
    void eachWordIsSaid() {
        const bool audio = qgetenv("TOVRIN_TEST_AUDIO") == "null-sink";
        QVERIFY2(audio || qgetenv("TOVRIN_TEST_AUDIO") == "none",
                 "run by with-audio.sh, which sets TOVRIN_TEST_AUDIO");
        SinkStreams streams;
        if (audio)
            QVERIFY(streams.follow());

        QList<Voice::State> states;
        // The streams opened so far as each saying ends: at least one more each time. Qt may
        // open a stream again within a word, when the engine falls behind.
        QList<int> streamsOpened;
        DesktopSpeech speech(installedSpeechModule(), {QStringLiteral("flite")}, QLocale::system());
        connect(&speech, &DesktopSpeech::stateChanged, &speech, [&](Voice::State state) {
            if (state_ == Voice::State::Speaking && state == Voice::State::Ready) {
                ++said_;
                streamsOpened.append(streams.opened());
            }
            state_ = state;
            states.append(state);
        });
        DesktopPlatform platform(&speech);
        Program program(platform);
        const QStringList words{"to", "in"};
        for (qsizetype i = 0; i < words.size(); ++i)
            program.shared.WordList[std::size_t(i + 1)] = words.at(i);
        program.shared.WordList[3] = "Done";
        program.shared.WordCount = 3;
        QStringList boxes;
        QTimer responder;
        connect(&responder, &QTimer::timeout, this, [&] { respond(program, boxes); });
        responder.start(10);

        Main* practice = program.practice.use();
        QVERIFY(practice);
        practice->show();
        const QString first = practice->Word->text();
        QVERIFY(!speech.loaded() && !mapped("libQt6TextToSpeech") && !mapped("tovrin-speech"));
        QVERIFY(QTest::qWaitForWindowExposed(practice));
        QVERIFY(activate(practice));
        QTRY_VERIFY_WITH_TIMEOUT(speech.loaded() && mapped("libQt6TextToSpeech"), PatienceMs);
        const int expectedSaid = audio ? 1 : 0;
        QTRY_COMPARE_WITH_TIMEOUT(said_, expectedSaid, PatienceMs);
        if (!audio)
            QTRY_COMPARE_WITH_TIMEOUT(state_, Voice::State::Silent, PatienceMs);

        QTest::keyClick(practice->TWord, Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(said_, 2 * expectedSaid, PatienceMs);
        // A right attempt, the recall once the word has been said as it opens, then the other
        // word.
        recallSaid_ = 3 * expectedSaid;
        practice->TWord->setText(first);
        practice->Command1->click();
        QVERIFY(program.practice.isOpen());
        QCOMPARE(practice->Word->text(), words.at(first == words.at(0) ? 1 : 0));
        QTRY_COMPARE_WITH_TIMEOUT(said_, 4 * expectedSaid, PatienceMs);
        for (qsizetype saying = 0; saying < streamsOpened.size(); ++saying)
            QVERIFY(streamsOpened.at(saying) > (saying > 0 ? streamsOpened.at(saying - 1) : 0));
        QCOMPARE(boxes, QStringList({"Students can now practice spelling the words", "Right!",
                                     "You Now Know how to spell '" + first + "'."}));
        if (!audio)
            QCOMPARE(states, QList<Voice::State>({Voice::State::Ready, Voice::State::Silent}));
        responder.stop();
        program.end();
        speech.end();
    }
};

// As the program does, once the speech libraries have been loaded the process ends without the
// clean-up that runs at exit, where Qt Multimedia's PulseAudio clean-up aborts now and then.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    DesktopSpeechTest test;
    const int failed = QTest::qExec(&test, argc, argv);
    std::fflush(nullptr);
    std::_Exit(failed);
}

#include "tst_desktop_speech.moc"
