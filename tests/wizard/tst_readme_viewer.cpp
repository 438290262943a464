// The readme viewer: readme.txt read from the current folder, whatever lies there, else the copy
// installed with the program, in the user's language where there is one; the text box fills the
// window at any size and keeps the text it was created with.

#include "TestFiles.h"
#include "TestSession.h"
#include "WizardDriver.h"
#include "screens/OptionButton.h"
#include "wizard/Form5.h"
#include "wizard/ReadmeFile.h"
#include "wizard/StartProgram.h"
#include "wizard/frmWizard.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

// Puts a readme.txt of the given kind into `folder`: none, a folder, a FIFO or a file of that text.
void placeReadme(const QString& folder, const QString& kind) {
    const QString path = QDir(folder).filePath("readme.txt");
    if (kind == "none")
        return;
    if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "fifo")
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else
        writeFile(path, kind.toUtf8());
}

} // namespace

class ReadmeViewerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;

    // Chooses "View the Readme file" and presses Next, as the user does.
    void requestReadme(TestSession& session) {
        frmWizard* wizard = session.program.wizard.get();
        QTest::mouseClick(wizard->Option3, Qt::LeftButton);
        QTest::mouseClick(wizard->butNext, Qt::LeftButton);
        QCOMPARE(pageOnTop(wizard), 0);
        QVERIFY(!wizard->butBack->isEnabled());
    }

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(folder->path()));
    }

    void cleanup() { verifyNoWindowLeft(); }

    void showsTheReadmeOfTheCurrentFolder_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addRow("CR LF") << QByteArray("How to use Tovrin\r\n\r\nType the words.")
                               << "How to use Tovrin\n\nType the words.";
        QTest::addRow("empty") << QByteArray() << "";
        QTest::addRow("8-bit") << QByteArray("Caf\xE9 \x93quotes\x94") << u"Café “quotes”"_qs;
        QTest::addRow("UTF-8 with byte-order mark")
            << QByteArray("\xEF\xBB\xBF\xCE\xBB\xF0\x9F\x90\xB1") << u"λ🐱"_qs;
        QTest::addRow("NUL and control characters go on to the end")
            << QByteArray("a\0b\x01\tc\x7F\rd\ne", 11) << u"a␀b␁\tc␡\nd\ne"_qs;
        // An emoji is two UTF-16 units: the break comes after it, not between them.
        QTest::addRow("a long line is broken")
            << QByteArray(999, 'x') + "\xF0\x9F\x90\xB1y" << QString(999, 'x') + u"🐱\ny"_qs;
    }
    void showsTheReadmeOfTheCurrentFolder() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        writeFile("readme.txt", bytes);
        TestSession session;
        startProgram(session.program);
        requestReadme(session);
        Form5* viewer = session.program.readme.get();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), "readme.txt");
        QCOMPARE(viewer->Text1->toPlainText(), shown);
        QCOMPARE(viewer->Text1->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(viewer->Text1->font().pointSize(), 12);
        QVERIFY(session.platform.messages.isEmpty());
        // Beside the wizard, whose buttons stay in reach.
        QVERIFY(!viewer->frameGeometry().intersects(session.program.wizard.get()->frameGeometry()));
    }

    // No viewer opens; the user is told which file, where and why; the wizard works on.
    void aReadmeThatCannotBeShown_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::addRow("missing") << "missing"
                                 << "No such file or directory";
        QTest::addRow("a folder") << "folder"
                                  << "it is a folder";
        QTest::addRow("a FIFO") << "fifo"
                                << "it is not a regular file";
        QTest::addRow("over 64 KiB") << "large"
                                     << "it is larger than 64 KiB";
    }
    void aReadmeThatCannotBeShown() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        if (kind == "folder")
            QVERIFY(QDir().mkdir("readme.txt"));
        else if (kind == "fifo")
            QVERIFY(mkfifo("readme.txt", 0600) == 0);
        else if (kind == "large")
            writeFile("readme.txt", QByteArray(64 * 1024 + 1, 'x'));
        TestSession session;
        startProgram(session.program);
        session.platform.answer(Platform::Answer::Ok);
        requestReadme(session);
        QVERIFY(!session.program.readme.isOpen());
        QCOMPARE(session.platform.messages.size(), 1);
        const ScriptedPlatform::Message told = session.platform.messages[0];
        QCOMPARE(told.text,
                 QStringLiteral("The file readme.txt in the folder %1 cannot be shown (%2).")
                     .arg(QDir::currentPath(), reason));
        QCOMPARE(told.icon, Platform::Icon::Exclamation);
        QCOMPARE(told.title, "Tovrin");
        QVERIFY(session.program.shared.ReadmeText.isEmpty());
        QTest::mouseClick(session.program.wizard.get()->Option2, Qt::LeftButton);
        QTest::mouseClick(session.program.wizard.get()->butNext, Qt::LeftButton);
        QCOMPARE(pageOnTop(session.program.wizard.get()), 1);
    }

    // With no readme.txt at all in the current folder the installed copy is read, by the same
    // rules; a message names the folder of the file that was tried.
    void theInstalledCopy_data() {
        QTest::addColumn<QString>("here");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("toldOfInstalled");
        QTest::addColumn<QString>("reason");
        QTest::addRow("only the installed copy") << "none"
                                                 << "installed"
                                                 << "installed" << false << "";
        QTest::addRow("the current folder wins") << "own"
                                                 << "installed"
                                                 << "own" << false << "";
        QTest::addRow("an unreadable readme here is not passed over")
            << "folder"
            << "installed"
            << "" << false << "it is a folder";
        QTest::addRow("the installed copy only as a regular file")
            << "none"
            << "fifo"
            << "" << true << "it is not a regular file";
        QTest::addRow("neither") << "none"
                                 << "none"
                                 << "" << false << "No such file or directory";
    }
    void theInstalledCopy() {
        QFETCH(QString, here);
        QFETCH(QString, installed);
        QFETCH(QString, shown);
        QFETCH(bool, toldOfInstalled);
        QFETCH(QString, reason);
        QTemporaryDir installedFolder;
        placeReadme(QDir::currentPath(), here);
        placeReadme(installedFolder.path(), installed);
        TestSession session;
        session.program.installedReadmeFolder = installedFolder.path();
        startProgram(session.program);
        if (!reason.isEmpty())
            session.platform.answer(Platform::Answer::Ok);
        requestReadme(session);
        if (reason.isEmpty()) {
            QCOMPARE(session.program.readme.get()->Text1->toPlainText(), shown);
            QVERIFY(session.platform.messages.isEmpty());
            return;
        }
        QVERIFY(!session.program.readme.isOpen());
        QCOMPARE(session.platform.messages.size(), 1);
        QCOMPARE(session.platform.messages[0].text,
                 QStringLiteral("The file readme.txt in the folder %1 cannot be shown (%2).")
                     .arg(toldOfInstalled ? installedFolder.path() : QDir::currentPath(), reason));
    }

    // The installed guide in the user's language where there is one, else the English one.
    void theInstalledGuideInTheUsersLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        QTest::addRow("German beside English") << "de"
                                               << "Anleitung";
        QTest::addRow("no Dutch guide: English") << "nl"
                                                 << "Guide";
    }
    void theInstalledGuideInTheUsersLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, shown);
        QTemporaryDir installedFolder;
        const QDir installed(installedFolder.path());
        placeReadme(installed.path(), "Guide");
        QVERIFY(installed.mkdir("de"));
        placeReadme(installed.filePath("de"), "Anleitung");
        TestSession session;
        session.program.installedReadmeFolder = guideFolder(installed.path(), language);
        startProgram(session.program);
        requestReadme(session);
        QCOMPARE(session.program.readme.get()->Text1->toPlainText(), shown);
    }

    // An open viewer keeps the text it was opened with; once closed, the next request shows the
    // file as it is now.
    void requestedTwice() {
        writeFile("readme.txt", "first");
        TestSession session;
        startProgram(session.program);
        requestReadme(session);
        Form5* viewer = session.program.readme.get();
        writeFile("readme.txt", "second");
        requestReadme(session);
        QCOMPARE(session.program.readme.get(), viewer);
        QCOMPARE(viewer->Text1->toPlainText(), "first");
        QCOMPARE(session.program.shared.ReadmeText, "second");
        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        requestReadme(session);
        QCOMPARE(session.program.readme.get()->Text1->toPlainText(), "second");
        QCOMPARE(QApplication::topLevelWidgets().size(), 2);
    }

    void theTextBoxFillsTheWindow_data() {
        QTest::addColumn<QSize>("size");
        QTest::addRow("larger") << QSize(900, 700);
        QTest::addRow("smaller than the box was designed") << QSize(120, 90);
        QTest::addRow("one pixel") << QSize(1, 1);
    }

    void theTextBoxFillsTheWindow() {
        QFETCH(QSize, size);
        TestSession session;
        session.program.shared.ReadmeText = QStringLiteral("How to use Tovrin\r\n");
        Form5* viewer = session.program.readme.use();
        QVERIFY(viewer);
        QCOMPARE(viewer->Text1->geometry(), viewer->rect());
        QCOMPARE(viewer->Text1->toPlainText(), "How to use Tovrin\n");

        viewer->show();
        viewer->resize(size);
        QCOMPARE(viewer->Text1->geometry(), viewer->rect());

        // The text is read once, when the viewer is created.
        session.program.shared.ReadmeText = QStringLiteral("changed");
        QCOMPARE(session.program.readme.use(), viewer);
        QCOMPARE(viewer->Text1->toPlainText(), "How to use Tovrin\n");
        viewer->close();
    }
};

QTEST_MAIN(ReadmeViewerTest)
#include "tst_readme_viewer.moc"
