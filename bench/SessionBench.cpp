#include "SessionBench.h"

#include "TestSession.h"
#include "TestSession.h"
#include "core/Characters.h"
#include "practice/Form1.h"
#include "practice/Main.h"
#include "screens/OptionButton.h"
#include "wizard/StartProgram.h"
#include "wizard/frmWizard.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

using Answer = Platform::Answer;

// A full list, from 2 to 20 letters, as a teacher might type it.
const QStringList Words{"at",
                        "dog",
                        "café",
                        "house",
                        "school",
                        "garden",
                        "because",
                        "friend",
                        "rhythm",
                        "library",
                        "February",
                        "separate",
                        "necessary",
                        "beautiful",
                        "Wednesday",
                        "definitely",
                        "government",
                        "restaurant",
                        "environment",
                        "accommodation",
                        "embarrassment",
                        "conscientious",
                        "questionnaire",
                        "responsibility",
                        "characteristic",
                        "extraordinary",
                        "misunderstanding",
                        "incomprehensible",
                        "uncharacteristically",
                        "internationalization"};

} // namespace

SessionBench::SessionBench() = default;

SessionBench::~SessionBench() = default;

void SessionBench::cleanup() {
    if (session_)
        endSession(session_);
}

void SessionBench::startSession() {
    session_ = std::make_unique<TestSession>();
    startProgram(session_->program);
    frmWizard* wizard = session_->program.wizard.get();
    QVERIFY(wizard && activate(wizard));
}

void SessionBench::click(const QString& name, QAbstractButton* button) {
    log_.time(name, [button] { QTest::mouseClick(button, Qt::LeftButton); });
}

void SessionBench::type(const QString& what, QWidget* box, const QString& text) {
    for (const QString& character : characters(text))
        log_.time(QStringLiteral("key in the %1 box").arg(what),
                  [box, &character] { typeText(box, character); });
    log_.time(QStringLiteral("Enter in the %1 box").arg(what),
              [box] { QTest::keyClick(box, Qt::Key_Return); });
}

void SessionBench::practisePass(bool wrongOnce, bool more) {
    ScriptedPlatform& platform = session_->platform;
    MODULE11& shared = session_->program.shared;
    Main* practice = session_->program.practice.get();
    QVERIFY(practice);
    QStringList met;
    while (met.size() < Words.size()) {
        const QString word = shared.PracticeWord;
        met.append(word);
        if (wrongOnce && met.size() == 1) {
            platform.answer(Answer::Ok);
            type(QStringLiteral("practice"), practice->TWord, word.chopped(1));
        }
        const qsizetype rights = (characterCount(word) + 1) / 2;
        for (qsizetype right = 1; right <= rights; ++right) {
            platform.answer(Answer::Ok);
            if (right == rights) {
                const bool last = met.size() == Words.size();
                platform.driveModal([this, &platform, word, last, more](QDialog& window) {
                    auto* recall = qobject_cast<Form1*>(&window);
                    QVERIFY(recall);
                    platform.answer(Answer::Ok);
                    if (last)
                        platform.answer(more ? Answer::Yes : Answer::No);
                    if (last && more)
                        platform.answer(Answer::Ok);
                    type(QStringLiteral("recall"), recall->TypedWord, word);
                });
            }
            type(QStringLiteral("practice"), practice->TWord, word);
            if (QTest::currentTestFailed())
                return;
        }
    }
    std::sort(met.begin(), met.end());
    QStringList sorted = Words;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(met, sorted);
    const auto summary = std::find_if(
        platform.messages.crbegin(), platform.messages.crend(),
        [](const ScriptedPlatform::Message& message) { return message.title == "Finished?"; });
    QVERIFY(summary != platform.messages.crend());
    QCOMPARE(summary->text, QStringLiteral("You Made %1 Errors on the 30 words.  More Practice")
                                .arg(wrongOnce ? 1 : 0));
}

void SessionBench::wholeSession() {
    QCOMPARE(Words.size(), 30);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString listFile = folder.filePath(QStringLiteral("today.tvr"));

    startSession();
    if (QTest::currentTestFailed())
        return;
    ScriptedPlatform* platform = &session_->platform;
    frmWizard* wizard = session_->program.wizard.get();
    click(QStringLiteral("Next (to the typing page)"), wizard->butNext);
    QCOMPARE(pageOnTop(wizard), 1);
    for (qsizetype i = 0; i < Words.size(); ++i) {
        // The thirtieth word fills the list, and the wizard says so.
        if (i == Words.size() - 1)
            platform->answer(Answer::Ok);
        type(QStringLiteral("Word"), wizard->Word, Words.at(i));
    }
    QCOMPARE(session_->program.shared.WordCount, 31);
    platform->answer(Answer::Yes);
    platform->chooseFile(listFile);
    click(QStringLiteral("Next (closing and saving the list)"), wizard->butNext);
    QCOMPARE(pageOnTop(wizard), 2);
    QCOMPARE(wizard->CheckWords->toPlainText(), Words.join(u'\n') + u'\n');
    QVERIFY(QFileInfo(listFile).size() > 0);

    platform->answer(Answer::Ok);
    click(QStringLiteral("Finish (the practice opens)"), wizard->butNext);
    practisePass(true, true);
    if (QTest::currentTestFailed())
        return;
    practisePass(false, false);
    QVERIFY(platform->ended);
    endSession(session_);
    if (QTest::currentTestFailed())
        return;

    startSession();
    if (QTest::currentTestFailed())
        return;
    platform = &session_->platform;
    wizard = session_->program.wizard.get();
    click(QStringLiteral("Load an existing list"), wizard->Option1);
    platform->chooseFile(listFile);
    click(QStringLiteral("Next (loading the saved list)"), wizard->butNext);
    QCOMPARE(pageOnTop(wizard), 2);
    QCOMPARE(wizard->CheckWords->toPlainText(), Words.join(u'\n') + u'\n');
    click(QStringLiteral("Cancel"), wizard->butCancel);
    QVERIFY(platform->ended);
    endSession(session_);
}
