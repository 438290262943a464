// Saves a PNG picture of each window, in the states a user meets it in, into the folder given on
// the command line. The wizard is the real one, driven through its own buttons.

#include "TestSession.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"
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

const QStringList Words{"because", "friend", "necessary", "rhythm"};

const QString ReadmeText = QStringLiteral(
    "Tovrin - daily spelling practice\n"
    "\n"
    "1. Choose \"Create a new list\" and press Next.\n"
    "2. Type each word and press Next Word; press Next after the last one.\n"
    "3. Check the list, choose Yes and press Finished.\n"
    "\n"
    "A line that is much longer than the box is wide scrolls sideways rather than wrapping.\n");

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
    MODULE11& shared = session.program.shared;
    startProgram(session.program);
    frmWizard* wizard = session.program.wizard.get();
    save(wizard, "wizard-1-start.png");

    wizard->butNext->click();
    for (qsizetype i = 0; i < Words.size() - 1; ++i)
        shared.WordList[static_cast<std::size_t>(i + 1)] = Words.at(i);
    wizard->Label5->setText(QStringLiteral("Type in Word %1").arg(Words.size()));
    wizard->Word->setText(Words.last());
    save(wizard, "wizard-2-typing.png");

    for (qsizetype i = 0; i < Words.size(); ++i)
        shared.WordList[static_cast<std::size_t>(i + 1)] = Words.at(i);
    shared.WordList[static_cast<std::size_t>(Words.size() + 1)] = QStringLiteral("Done");
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

    session.program.shared.ReadmeText = ReadmeText;
    Form5* readme = session.program.readme.use();
    if (readme) {
        readme->setWindowTitle(QStringLiteral("readme.txt"));
        readme->show();
    }
    save(readme, "form5-readme.png");

    recall->close();
    session.program.end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return saved ? 0 : 1;
}
