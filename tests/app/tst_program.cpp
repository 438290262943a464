// The program as a teacher and a student meet it, on the scripted platform: the wizard's pages and
// buttons, typing, closing, saving and loading a list with real files, the review, the readme
// viewer, the handover, the practice and the recall, what is said, and the end. Each row plays a
// script (TestSession.h lists its steps) and compares all that the user then sees and hears, and
// the files, in one line.

#include "TestSession.h"
#include "wizard/Form5.h"
#include "wizard/frmWizard.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

// The rows of the scripts table, in a file of their own: the meta-object compiler cannot read
// them.
extern const char* const ProgramScripts;

namespace {
// Which wizard page the user sees: the frame at the front where the pages lie, or -1.
int pageOnTop(frmWizard* wizard) {
    QWidget* hit = wizard->childAt(wizard->Frame1[0]->geometry().center());
    for (; hit && hit != wizard; hit = hit->parentWidget())
        for (int page = 0; page < 3; ++page)
            if (hit == wizard->Frame1[std::size_t(page)])
                return page;
    return -1;
}
} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;
    // The current folder, where the readme is looked for and the lists are kept, and the folder of
    // the guide installed with the program.
    std::unique_ptr<QTemporaryDir> folder, installed;

    // All that the user sees and hears and the files hold, in one line. While the wizard is open:
    // the page in front (1 to 3), "<" where Back works, Next's caption, the words in slots 1 to
    // WordCount - 1 in brackets and "+" where the end marker follows them; then, where there is
    // something to see, the word box, a typing page's prompt that does not count WordCount, the
    // review where it differs from the list, the name the last file dialog offered. Then the
    // readme viewer where it is on show (line ends as /), the current folder's files (CR LF as ~),
    // every message told, every word said ("/" where speech was cut off), whether the program
    // ended, and how often the generator was seeded anew.
    QString state() {
        const MODULE11& list = session->program.shared;
        QStringList seen;
        if (frmWizard* wizard = session->program.wizard.get()) {
            const QStringList words = listedWords(list);
            seen << QStringLiteral("%1%2 %3 [%4]%5")
                        .arg(pageOnTop(wizard) + 1)
                        .arg(wizard->butBack->isEnabled() ? "<" : "", wizard->butNext->text(),
                             words.join(u' '),
                             list.WordList[std::size_t(list.WordCount)] == EndMarker ? "+" : "");
            if (!wizard->Word->text().isEmpty())
                seen << "box'" + wizard->Word->text() + "'";
            if (pageOnTop(wizard) == 1 &&
                wizard->Label5->text().section(u' ', 3).toInt() != list.WordCount)
                seen << wizard->Label5->text();
            const QStringList review =
                wizard->CheckWords->toPlainText().split(u'\n', Qt::SkipEmptyParts);
            if (!review.isEmpty() && review != words)
                seen << "review'" + review.join(u' ') + "'";
            if (const auto& dialogs = session->fileDialogs;
                !dialogs.isEmpty() && !dialogs.last().FileName.isEmpty())
                seen << "dialog'" + QFileInfo(dialogs.last().FileName).fileName() + "'";
        }
        if (Form5* viewer = session->program.readme.get(); viewer && viewer->isVisible())
            seen << "viewer'" + viewer->Text1->toPlainText().replace(u'\n', u'/') + "'";
        QStringList files;
        for (const QFileInfo& file : QDir::current().entryInfoList(
                 QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System))
            files << file.fileName() + (file.isDir() ? QString("/")
                                        : file.isFile()
                                            ? "=" + readFile(file.filePath()).replace("\r\n", "~")
                                            : QString("|"));
        if (!files.isEmpty())
            seen << "{" + files.join(u' ') + "}";
        if (!session->messages.isEmpty())
            seen << ":" << session->told();
        if (QStringList said = session->said; !said.isEmpty())
            seen << "said" << said.replaceInStrings(QRegularExpression("^$"), "/");
        if (session->ended)
            seen << "ended";
        if (session->reseeds > 0)
            seen << QStringLiteral("reseeded %1").arg(session->reseeds);
        return seen.join(u' ').replace(installed->path(), "@");
    }

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        installed = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(folder->path()));
        session = std::make_unique<TestSession>();
        session->installedFolder = installed->path();
    }

    void cleanup() {
        // The readme viewer opens beside the wizard, whose buttons stay in reach, and on the
        // screen, made smaller where it must be; its text fills it at any size.
        if (Form5* viewer = session->program.readme.get()) {
            if (frmWizard* wizard = session->program.wizard.get())
                QVERIFY(!viewer->frameGeometry().intersects(wizard->frameGeometry()));
            QVERIFY(viewer->screen()->availableGeometry().contains(viewer->frameGeometry()));
            viewer->resize(900, 700);
            QCOMPARE(viewer->Text1->geometry(), viewer->rect());
        }
        session.reset();
        verifyNoWindowLeft();
        QDir::setCurrent(QDir::rootPath());
    }

    void scripts_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QByteArray>("expected");
        addRows(ProgramScripts);
    }
    void scripts() {
        QFETCH(QByteArray, script);
        QFETCH(QByteArray, expected);
        session->play(QString::fromUtf8(script));
        QCOMPARE(state(), QString::fromUtf8(expected));
    }

    // Yes after Yes never nests any deeper, however many passes a student asks for.
    void passAfterPassStaysFlat() {
        QSet<quintptr> depths;
        // The frame address, not a local's: the address sanitizer may move locals off the stack.
        session->visit = [&](QWidget*, const QString&) {
            depths.insert(quintptr(__builtin_frame_address(0)));
        };
        session->play("count:1;practice;yes;" + QStringLiteral("seen:;yes;").repeated(999) + "no");
        QVERIFY(session->ended);
        QCOMPARE(session->messages.size(), 2002);
        QCOMPARE(depths.size(), 1);
    }
};

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
