#include "WindowTour.h"

#include "TestSession.h"
#include "practice/Form1.h"
#include "practice/Main.h"
#include "screens/OptionButton.h"
#include "wizard/Form5.h"
#include "wizard/StartProgram.h"
#include "wizard/frmWizard.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Visit = std::function<void(QWidget*, const QString&)>;

// A teacher's list of 30 words: English ones hard to spell, an accent and Greek among them.
const QStringList Words{"because",   "friend",     "necessary", u"café"_qs,   u"λόγος"_qs,
                        "Wednesday", "separate",   "rhythm",    "believe",    "library",
                        "February",  "government", "island",    "knowledge",  "neighbour",
                        "occasion",  "queue",      "receive",   "restaurant", "schedule",
                        "science",   "surprise",   "thought",   "tomorrow",   "weird",
                        "yacht",     "address",    "calendar",  "business",   "definitely"};

// Ends the session's program and lets its windows go.
void endTour(TestSession& session) {
    session.program.end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Types `attempt` and presses Done; the message that follows is answered with OK after
// `whileOpen` has run.
void submit(ScriptedPlatform& platform, QLineEdit* box, QPushButton* done, const QString& attempt,
            std::function<void()> whileOpen = {}) {
    box->setText(attempt);
    platform.answer(Platform::Answer::Ok, std::move(whileOpen));
    done->click();
}

// The wizard from its first page to the review of a full list, and the readme viewer.
QList<ScriptedPlatform::Message> tourWizard(const Visit& visit) {
    TestSession session;
    startProgram(session.program);
    frmWizard* wizard = session.program.wizard.get();
    visit(wizard, QStringLiteral("wizard-1-start"));

    wizard->Option3->click();
    wizard->butNext->click();
    visit(session.program.readme.get(), QStringLiteral("form5-readme"));
    session.program.readme.close();

    wizard->Option2->click();
    wizard->butNext->click();
    for (const QString& word : Words) {
        wizard->Word->setText(word);
        if (word == Words.at(7))
            visit(wizard, QStringLiteral("wizard-2-typing"));
        if (word == Words.last())
            session.platform.answer(Platform::Answer::Ok);
        wizard->Command1->click();
    }
    visit(wizard, QStringLiteral("wizard-2-full"));

    session.platform.answer(Platform::Answer::No);
    wizard->butNext->click();
    visit(wizard, QStringLiteral("wizard-3-review"));
    wizard->Option5->click();
    visit(wizard, QStringLiteral("wizard-3-restart"));
    wizard->Option4->click();
    visit(wizard, QStringLiteral("wizard-3-finished"));

    endTour(session);
    return session.platform.messages;
}

// The practice over a list of three words, drawn short, longest, then long, with the recall and
// a wrong attempt on the way.
QList<ScriptedPlatform::Message> tourPractice(const Visit& visit) {
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
        return platform.messages;
    practice->show();
    visit(practice, QStringLiteral("main-short-word"));

    // A word is recalled after it has been typed right half as often as it has letters.
    const auto typeRight = [&](const QString& word, int times, const char* recallState,
                               double nextDraw) {
        for (int time = 1; time < times; ++time)
            submit(platform, practice->TWord, practice->Command1, word);
        platform.driveModal([&, word, recallState, nextDraw](QDialog& window) {
            auto* recall = static_cast<Form1*>(&window);
            if (recallState) {
                recall->TypedWord->setText(word);
                visit(recall, QLatin1String(recallState));
            }
            platform.queueRandom({nextDraw});
            submit(platform, recall->TypedWord, recall->Command1, word);
        });
        submit(platform, practice->TWord, practice->Command1, word);
    };
    typeRight(shortWord, 2, "form1-recall", 0.9);

    submit(platform, practice->TWord, practice->Command1, QStringLiteral("neccesary"),
           [&] { visit(practice, QStringLiteral("main-wrong-attempt")); });
    submit(platform, practice->TWord, practice->Command1,
           QStringLiteral("necessarily, or so I thought"),
           [&] { visit(practice, QStringLiteral("main-long-wrong-attempt")); });
    typeRight(longWord, 5, nullptr, 0.0);

    for (int time = 1; time < 10; ++time)
        submit(platform, practice->TWord, practice->Command1, longest);
    visit(practice, QStringLiteral("main-longest-word-hidden"));
    submit(platform, practice->TWord, practice->Command1, QStringLiteral("internationalisation"),
           [&] { visit(practice, QStringLiteral("main-longest-word-wrong")); });

    endTour(session);
    return platform.messages;
}

} // namespace

QList<ScriptedPlatform::Message> tourWindows(const Visit& visit) {
    QList<ScriptedPlatform::Message> messages = tourWizard(visit);
    return messages + tourPractice(visit);
}
