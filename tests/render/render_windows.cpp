// Saves a PNG picture of each window, in the states a user meets it in, into the folder given on
// the command line. The wizard is the real one, driven through its own buttons; the readme viewer
// shows the readme.txt of the current folder.

#include "TestSession.h"
#include "practice/Main.h"
#include "screens/OptionButton.h"
#include "screens/RecallScreen.h"
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

namespace {

const QStringList Words{"because",   "friend",    "necessary", u"café"_qs,
                        u"λόγος"_qs, "Wednesday", "separate"};

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
    const auto save = [&](QWidget* window, const char* file) {
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

    // Finished hands the list over to the practice window.
    wizard->butNext->click();
    Main* practice = session.program.practice.get();
    if (practice) {
        practice->Word->setText(QStringLiteral("necessary"));
        practice->TypedWord->setText(QStringLiteral("necessary"));
        practice->CorrectWord->setText(QStringLiteral("nec--sary"));
        practice->TWord->setText(QStringLiteral("neccesary"));
    }
    save(practice, "main.png");
    if (practice) {
        // The longest word a list may hold.
        practice->Word->setText(QStringLiteral("internationalization"));
        practice->TypedWord->clear();
        practice->CorrectWord->clear();
        practice->TWord->clear();
    }
    save(practice, "main-longest-word.png");

    auto* recall = new RecallScreen;
    recall->show();
    recall->TypedWord->setText(QStringLiteral("necessary"));
    save(recall, "form1-recall.png");

    recall->close();
    session.program.end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return saved ? 0 : 1;
}
