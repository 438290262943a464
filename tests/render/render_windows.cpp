// Saves a PNG picture of each window, in the states a user meets it in, into the folder given on
// the command line. The windows are the real ones, driven through their own buttons; the readme
// viewer shows the readme.txt of the current folder.

#include "TestSession.h"
#include "practice/Form1.h"
#include "practice/Main.h"
#include "screens/OptionButton.h"
#include "wizard/Form5.h"
#include "wizard/StartProgram.h"
#include "wizard/frmWizard.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdio>
#include <functional>

namespace {

const QStringList Words{"because",   "friend",    "necessary", u"café"_qs,
                        u"λόγος"_qs, "Wednesday", "separate"};

using Save = std::function<void(QWidget*, const char*)>;

// Types `attempt` and presses Done; the message that follows is answered with OK after
// `whileOpen` has run.
void submit(ScriptedPlatform& platform, QLineEdit* box, QPushButton* done, const QString& attempt,
            std::function<void()> whileOpen = {}) {
    box->setText(attempt);
    platform.answer(Platform::Answer::Ok, std::move(whileOpen));
    done->click();
}

// The practice over a list of three words, drawn short, longest, then long, with the recall and
// a wrong attempt on the way.
void renderPractice(const Save& save) {
    const QString shortWord = QStringLiteral("cat");
    const QString longest = QStringLiteral("internationalization");
    const QString longWord = QStringLiteral("necessary");
    TestSession session;
    ScriptedPlatform& platform = session.platform;
    MODULE11& shared = session.program.shared;
    shared.WordList[1] = shortWord;
    shared.WordList[2] = longest;
    shared.WordList[3] = longWord;
    shared.WordList[4] = QStringLiteral("Done");
    shared.WordCount = 4;

    platform.answer(Platform::Answer::Ok);
    platform.queueRandom({0.0});
    Main* practice = session.program.practice.use();
    if (!practice)
        return;
    practice->show();
    save(practice, "main-short-word.png");

    // A word is recalled after it has been typed right half as often as it has letters.
    const auto typeRight = [&](const QString& word, int times, const char* recallPicture,
                               double nextDraw) {
        for (int time = 1; time < times; ++time)
            submit(platform, practice->TWord, practice->Command1, word);
        platform.driveModal([&, word, recallPicture, nextDraw](QDialog& window) {
            auto* recall = static_cast<Form1*>(&window);
            if (recallPicture) {
                recall->TypedWord->setText(word);
                save(recall, recallPicture);
            }
            platform.queueRandom({nextDraw});
            submit(platform, recall->TypedWord, recall->Command1, word);
        });
        submit(platform, practice->TWord, practice->Command1, word);
    };
    typeRight(shortWord, 2, "form1-recall.png", 0.9);

    submit(platform, practice->TWord, practice->Command1, QStringLiteral("neccesary"),
           [&] { save(practice, "main-wrong-attempt.png"); });
    submit(platform, practice->TWord, practice->Command1,
           QStringLiteral("necessarily, or so I thought"),
           [&] { save(practice, "main-long-wrong-attempt.png"); });
    typeRight(longWord, 5, nullptr, 0.0);

    for (int time = 1; time < 10; ++time)
        submit(platform, practice->TWord, practice->Command1, longest);
    save(practice, "main-longest-word-hidden.png");
    submit(platform, practice->TWord, practice->Command1, QStringLiteral("internationalisation"),
           [&] { save(practice, "main-longest-word-wrong.png"); });

    session.program.end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_windows OUTPUT_DIR\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool saved = true;
    const Save save = [&](QWidget* window, const char* file) {
        QCoreApplication::processEvents();
        const QString path = folder.filePath(QLatin1String(file));
        if (window && window->grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            saved = false;
        }
    };

    TestSession session;
    startProgram(session.program);
    frmWizard* wizard = session.program.wizard.get();
    save(wizard, "wizard-1-start.png");

    wizard->Option3->click();
    wizard->butNext->click();
    save(session.program.readme.get(), "form5-readme.png");
    session.program.readme.close();

    wizard->Option2->click();
    wizard->butNext->click();
    for (const QString& word : Words) {
        wizard->Word->setText(word);
        wizard->Command1->click();
    }
    wizard->Word->setText(QStringLiteral("rhythm"));
    save(wizard, "wizard-2-typing.png");

    session.platform.answer(Platform::Answer::No);
    wizard->butNext->click();
    save(wizard, "wizard-3-review.png");
    wizard->Option5->click();
    save(wizard, "wizard-3-restart.png");
    wizard->Option4->click();
    save(wizard, "wizard-3-finished.png");

    session.program.end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    renderPractice(save);
    return saved ? 0 : 1;
}
