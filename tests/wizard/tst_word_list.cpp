// Typing, closing, saving and loading a word list through the wizard, with real files.

#include "TestFiles.h"
#include "TestSession.h"
#include "WizardDriver.h"
#include "screens/OptionButton.h"
#include "wizard/StartProgram.h"
#include "wizard/frmWizard.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Answer = Platform::Answer;

const QString TooShort =
    QStringLiteral("Words must have at least 2 letters.  Choose another word.");
const QString TooLong = QStringLiteral("Maximum word length is 20 letters.  Choose another word.");
const QString HasQuote =
    QStringLiteral("Words cannot contain a double quote.  Choose another word.");
const QString HasControl =
    QStringLiteral("Words cannot contain tabs or line breaks.  Choose another word.");
const QString Full = QStringLiteral("No more words are allowed in this list, you already have 30.");
const QByteArray CatDogMouse = "\"cat\"\r\n\"dog\"\r\n\"mouse\"\r\n";

QStringList numbered(int count) {
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words.append(QStringLiteral("w%1").arg(i));
    return words;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Writes to files may grow no further than `bytes` while it lives, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

} // namespace

class WordListTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;
    frmWizard* wizard = nullptr;
    std::unique_ptr<QTemporaryDir> folder;

    MODULE11& shared() { return session->program.shared; }
    ScriptedPlatform& platform() { return session->platform; }
    QString path(const QString& name) const { return folder->filePath(name); }

    QStringList listed() const {
        QStringList words;
        for (qint16 slot = 1; slot < session->program.shared.WordCount; ++slot)
            words.append(session->program.shared.WordList[std::size_t(slot)]);
        return words;
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& message : session->platform.messages)
            texts.append(message.text);
        return texts;
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void offer(const QString& word) {
        wizard->Word->setText(word);
        click(wizard->Command1);
    }

    void typeList(const QStringList& words) {
        click(wizard->butNext);
        for (const QString& word : words)
            offer(word);
    }

    // Leaves the typing page, answering "Save Your List?" and the file dialog.
    void finish(Answer save = Answer::No, std::optional<QString> file = std::nullopt) {
        platform().answer(save);
        if (save == Answer::Yes)
            platform().chooseFile(file);
        click(wizard->butNext);
        QCOMPARE(pageOnTop(wizard), 2);
    }

    void load(std::optional<QString> file) {
        click(wizard->Option1);
        platform().chooseFile(file);
        click(wizard->butNext);
        QCOMPARE(pageOnTop(wizard), 2);
    }

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        session = std::make_unique<TestSession>();
        startProgram(session->program);
        wizard = session->program.wizard.get();
        QVERIFY(wizard && activate(wizard));
    }

    void cleanup() { endSession(session); }

    void offeringAWord_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("refusal");
        QTest::addRow("two letters") << "ab"
                                     << "";
        QTest::addRow("one letter") << "a" << TooShort;
        QTest::addRow("empty box") << "" << TooShort;
        QTest::addRow("20 letters") << "abcdefghijklmnopqrst"
                                    << "";
        QTest::addRow("21 letters") << "abcdefghijklmnopqrstu" << TooLong;
        QTest::addRow("a blank kept, capitals kept") << " Ab"
                                                     << "";
        QTest::addRow("Straße has 6") << u"Straße"_qs << "";
        QTest::addRow("20 letters with combining accents")
            << QString(20, 'e').replace("e", u"e\u0301"_qs) << "";
        QTest::addRow("21 emoji") << QString(u"🐱"_qs).repeated(21) << TooLong;
        QTest::addRow("one emoji") << u"🐱"_qs << TooShort;
        QTest::addRow("a double quote") << "say\"hi" << HasQuote;
        QTest::addRow("a pasted line end") << "cat\n" << HasControl;
    }
    void offeringAWord() {
        QFETCH(QString, word);
        QFETCH(QString, refusal);
        click(wizard->butNext);
        offer("cat");
        if (!refusal.isEmpty())
            platform().answer(Answer::Ok);
        offer(word);
        if (refusal.isEmpty()) {
            QCOMPARE(listed(), QStringList({"cat", word}));
            QVERIFY(wizard->Word->text().isEmpty());
            QCOMPARE(wizard->Label5->text(), "Type in Word 3");
            QVERIFY(platform().messages.isEmpty());
            return;
        }
        QCOMPARE(messageTexts(), QStringList{refusal});
        QCOMPARE(platform().messages[0].title, "Tovrin");
        QCOMPARE(platform().messages[0].icon, Platform::Icon::None);
        QCOMPARE(listed(), QStringList{"cat"});
        QCOMPARE(shared().WordList[2], "");
        QCOMPARE(wizard->Word->text(), word);
        QCOMPARE(wizard->Label5->text(), "Type in Word 2");
    }

    void thirtyWordsFillTheList() {
        click(wizard->butNext);
        for (const QString& word : numbered(29))
            offer(word);
        QVERIFY(platform().messages.isEmpty());
        platform().answer(Answer::Ok);
        offer("w30");
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(platform().messages[0].text, Full);
        QCOMPARE(platform().messages[0].title, "STOP");
        QCOMPARE(platform().messages[0].icon, Platform::Icon::None);
        QCOMPARE(wizard->Label5->text(), "Type in Word 31");
        // A word offered to a full list changes nothing.
        platform().answer(Answer::Ok);
        offer("w31");
        QCOMPARE(platform().messages.last().text, Full);
        QCOMPARE(shared().WordCount, 31);
        QCOMPARE(listed(), numbered(30));
        QCOMPARE(wizard->Word->text(), "w31");
        // So does the same word left in the box when the list is closed.
        platform().answer(Answer::Ok);
        finish();
        QCOMPARE(platform().messages[2].text, Full);
        QCOMPARE(shared().WordList[31], "Done");
        QCOMPARE(wizard->CheckWords->toPlainText().count('\n'), 30);
    }

    // The word in the box when the list is closed is taken once, if it fits the list.
    void closingTakesThePendingWord_data() {
        QTest::addColumn<QString>("pending");
        QTest::addColumn<QString>("refusal");
        QTest::addRow("none") << ""
                              << "";
        QTest::addRow("one letter is taken") << "a"
                                             << "";
        QTest::addRow("blanks are taken") << "  "
                                          << "";
        QTest::addRow("21 letters stay in the box") << "abcdefghijklmnopqrstu" << TooLong;
        QTest::addRow("a double quote stays in the box") << "a\"b" << HasQuote;
        QTest::addRow("a C1 control stays in the box") << u"a\u0085b"_qs << HasControl;
    }
    void closingTakesThePendingWord() {
        QFETCH(QString, pending);
        QFETCH(QString, refusal);
        typeList({"cat"});
        wizard->Word->setText(pending);
        if (!refusal.isEmpty())
            platform().answer(Answer::Ok);
        finish();
        const QStringList expected = refusal.isEmpty() && !pending.isEmpty()
                                         ? QStringList{"cat", pending}
                                         : QStringList{"cat"};
        QCOMPARE(listed(), expected);
        QCOMPARE(shared().WordList[std::size_t(shared().WordCount)], "Done");
        QCOMPARE(wizard->Word->text(), refusal.isEmpty() ? QString() : pending);
        QCOMPARE(messageTexts().first(), refusal.isEmpty() ? "Save Your List?" : refusal);
        // Back and Next again add nothing twice.
        click(wizard->butBack);
        QCOMPARE(wizard->Label5->text(), QStringLiteral("Type in Word %1").arg(shared().WordCount));
        if (!refusal.isEmpty())
            platform().answer(Answer::Ok);
        finish();
        QCOMPARE(listed(), expected);
        QCOMPARE(wizard->CheckWords->toPlainText(), expected.join("\n") + "\n");
    }

    void savingWritesTheListOnYesOnly() {
        typeList({"cat", "dog"});
        wizard->Word->setText("mouse");
        finish(Answer::Yes, path("list.tvr"));
        const ScriptedPlatform::Message question = platform().messages[0];
        QCOMPARE(question.text, "Save Your List?");
        QCOMPARE(question.title, "Tovrin");
        QCOMPARE(question.buttons, Platform::Buttons::YesNo);
        QCOMPARE(question.icon, Platform::Icon::None);
        QCOMPARE(platform().fileDialogs.size(), 1);
        QCOMPARE(platform().fileDialogs[0].Filter,
                 "All files (*.*)|*.*|Tovrin Files (*.tvr)|*.tvr");
        QCOMPARE(platform().fileDialogs[0].FilterIndex, 2);
        QCOMPARE(contents(path("list.tvr")), CatDogMouse);
        QCOMPARE(listed(), QStringList({"cat", "dog", "mouse"}));

        // The dialog offers the name chosen last; No and a cancelled dialog touch no file.
        writeFile(path("list.tvr"), "earlier");
        click(wizard->butBack);
        finish(Answer::No);
        click(wizard->butBack);
        finish(Answer::Yes, std::nullopt);
        QCOMPARE(platform().fileDialogs.size(), 2);
        QCOMPARE(platform().fileDialogs[1].FileName, path("list.tvr"));
        QCOMPARE(contents(path("list.tvr")), "earlier");
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"list.tvr"});
        QCOMPARE(platform().messages.size(), 3);

        // A file that exists is replaced only once the user says so.
        for (const Answer replace : {Answer::No, Answer::Yes}) {
            click(wizard->butBack);
            platform().answer(Answer::Yes);
            platform().chooseFile(path("list.tvr"));
            platform().answer(replace);
            click(wizard->butNext);
            const ScriptedPlatform::Message asked = platform().messages.last();
            QCOMPARE(asked.text, "list.tvr already exists.  Replace it?");
            QCOMPARE(asked.buttons, Platform::Buttons::YesNo);
            QCOMPARE(asked.icon, Platform::Icon::Exclamation);
            QCOMPARE(contents(path("list.tvr")), replace == Answer::Yes ? CatDogMouse : "earlier");
        }
    }

    void aFailedSaveKeepsTheEarlierFile_data() {
        QTest::addColumn<QString>("how");
        QTest::addRow("the disk is full") << "full";
        QTest::addRow("the folder cannot be written") << "read-only folder";
        QTest::addRow("the name is a folder") << "folder";
    }
    void aFailedSaveKeepsTheEarlierFile() {
        QFETCH(QString, how);
        QString target = path("list.tvr");
        std::unique_ptr<FileSizeLimit> limit;
        if (how == "full") {
            writeFile(target, "earlier");
            limit = std::make_unique<FileSizeLimit>(10);
        } else if (how == "read-only folder") {
            if (geteuid() == 0)
                QSKIP("root writes into any folder; the full-disk row covers a failed write");
            QVERIFY(QDir(folder->path()).mkdir("locked"));
            target = path("locked/list.tvr");
            writeFile(target, "earlier");
            QVERIFY(chmod(QFile::encodeName(path("locked")).constData(), 0555) == 0);
        } else {
            QVERIFY(QDir(folder->path()).mkdir("list.tvr"));
        }
        typeList({"cat", "dog", "mouse"});
        platform().answer(Answer::Yes);
        platform().chooseFile(target);
        if (how != "folder")
            platform().answer(Answer::Yes);
        platform().answer(Answer::Ok);
        click(wizard->butNext);
        limit.reset();
        chmod(QFile::encodeName(path("locked")).constData(), 0755);

        const ScriptedPlatform::Message told = platform().messages.last();
        QVERIFY2(told.text.startsWith("The list could not be saved as " + target + " ("),
                 qPrintable(told.text));
        QCOMPARE(told.icon, Platform::Icon::Exclamation);
        QCOMPARE(told.title, "Tovrin");
        if (how == "folder")
            QVERIFY(QFileInfo(target).isDir());
        else
            QCOMPARE(contents(target), "earlier");
        QCOMPARE(listed(), QStringList({"cat", "dog", "mouse"}));
        QStringList left = QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden);
        left.removeAll("list.tvr");
        QCOMPARE(left, QStringList{});
    }

    // Loading goes straight to the review, asking nothing but what was left out.
    void loadingAFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("told");
        QTest::addRow("saved list")
            << "file" << CatDogMouse << QStringList{"cat", "dog", "mouse"} << QStringList{};
        QTest::addRow("8-bit list") << "file" << QByteArray("\"caf\xE9\"\r\n\"na\xEFve\"\r\n")
                                    << QStringList{u"café"_qs, u"naïve"_qs} << QStringList{};
        QTest::addRow("UTF-8 with byte-order mark")
            << "file"
            << QByteArray(
                   "\xEF\xBB\xBF\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82,\xF0\x9F\x90\xB1\r\n")
            << QStringList{u"λόγος"_qs, u"🐱"_qs} << QStringList{};
        QTest::addRow("hand-written, too long entry")
            << "file" << QByteArray("cat, dog\nabcdefghijklmnopqrstuvwxyz\n")
            << QStringList{"cat", "dog"}
            << QStringList{"1 entry longer than 20 letters was left out."};
        QTest::addRow("empty file") << "file" << QByteArray() << QStringList{} << QStringList{};
        QTest::addRow("missing file")
            << "missing" << QByteArray() << QStringList{"typed"} << QStringList{};
        QTest::addRow("a folder") << "folder" << QByteArray() << QStringList{"typed"}
                                  << QStringList{};
        QTest::addRow("a FIFO") << "fifo" << QByteArray() << QStringList{"typed"} << QStringList{};
        QTest::addRow("cancelled")
            << "cancel" << QByteArray() << QStringList{"typed"} << QStringList{};
    }
    void loadingAFile() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, told);
        // A longer list typed first: a load that reads leaves none of it visible.
        typeList({"typed", "more", "words", "than", "the", "file"});
        click(wizard->butBack);
        click(wizard->butBack);
        while (shared().WordCount > 2)
            shared().WordList[std::size_t(--shared().WordCount)].clear();

        const QString file = path("words.tvr");
        if (kind == "file")
            writeFile(file, bytes);
        else if (kind == "folder")
            QVERIFY(QDir(folder->path()).mkdir("words.tvr"));
        else if (kind == "fifo")
            QVERIFY(mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        for (qsizetype i = 0; i < told.size(); ++i)
            platform().answer(Answer::Ok);
        load(kind == "cancel" ? std::nullopt : std::optional<QString>(file));

        QCOMPARE(listed(), expected);
        QCOMPARE(shared().WordList[std::size_t(shared().WordCount)], "Done");
        QCOMPARE(messageTexts(), told);
        for (const ScriptedPlatform::Message& message : std::as_const(platform().messages))
            QVERIFY(message.title == "Tovrin" && message.icon == Platform::Icon::None);
        QCOMPARE(wizard->CheckWords->toPlainText(),
                 expected.isEmpty() ? QString() : expected.join("\n") + "\n");
        QCOMPARE(wizard->butNext->text(), "Finish");
    }

    // What is typed, saved and loaded comes back character for character.
    void anyCharactersSurviveTheRoundTrip() {
        const QStringList words{u"café"_qs, u"λόγος"_qs, u"слово"_qs, u"nai\u0308ve"_qs, u"🐱🐶"_qs};
        click(wizard->butNext);
        for (const QString& word : words) {
            typeText(wizard->Word, word);
            QTest::keyClick(wizard->Word, Qt::Key_Return);
        }
        QCOMPARE(listed(), words);
        finish(Answer::Yes, path("world.tvr"));
        QCOMPARE(wizard->CheckWords->toPlainText(), words.join("\n") + "\n");

        click(wizard->butBack);
        click(wizard->butBack);
        load(path("world.tvr"));
        QCOMPARE(listed(), words);
        QCOMPARE(wizard->CheckWords->toPlainText(), words.join("\n") + "\n");
    }
};

QTEST_MAIN(WordListTest)
#include "tst_word_list.moc"
