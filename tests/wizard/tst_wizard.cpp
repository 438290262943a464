// The list wizard as a teacher meets it: its pages and buttons, typing, closing, saving and loading
// a list with real files, the review, the readme viewer, the handover and the end. Each row plays a
// script of user actions and compares all that the teacher then sees, and the files, in one line.

#include "TestSession.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"
#include "screens/OptionButton.h"
#include "wizard/Form5.h"
#include "wizard/ReadmeFile.h"
#include "wizard/StartProgram.h"
#include "wizard/frmWizard.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Writes to files may grow no further than 10 bytes while it lives, as on a full disk.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{10, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

QString words(int from, int to, const QString& format) {
    QStringList list;
    for (int i = from; i <= to; ++i)
        list.append(format.arg(i));
    return list.join(QString());
}

} // namespace

class WizardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;
    frmWizard* wizard = nullptr;
    // The current folder, where the readme is looked for and the lists are kept, and the folder of
    // the guide installed with the program.
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<QTemporaryDir> installed;

    MODULE11& shared() { return session->program.shared; }
    ScriptedPlatform& platform() { return session->platform; }

    // Plays `script`: steps separated by ";", each a verb and, after ":", its argument.
    //   next back cancel esc     the wizard's buttons; esc is the Escape key
    //   o1 .. o5                 a click on Option1 .. Option5; dbl1 .. a double-click; ax4, ax5
    //                            the screen reader's Toggle action
    //   add:W  box:W             W in the word box, then "&Next Word" pressed (add) or not (box)
    //   yes no ok                the answer to the next message box
    //   file:N  nofile           the next file dialog names N, or is cancelled
    //   put:N=B  dir:N  fifo:N   a file of the bytes B, a folder or a FIFO named N; a name that
    //                            starts with @ lies in the folder of the installed guide
    //   guide:L                  the installed guide is read in the language L
    //   full                     the disk is full from here on
    //   closeviewer              the readme viewer's close box
    void play(const QString& script) {
        std::unique_ptr<FullDisk> full;
        for (const QString& step : script.split(u';', Qt::SkipEmptyParts)) {
            const QString verb = step.section(u':', 0, 0);
            const QString argument = step.section(u':', 1);
            const QString name =
                argument.section(u'=', 0, 0).replace(u'@', installed->path() + u'/');
            if (verb == "next" || verb == "back" || verb == "cancel")
                QTest::mouseClick(
                    control<QPushButton>(wizard, "but" + verb.left(1).toUpper() + verb.mid(1)),
                    Qt::LeftButton);
            else if (verb == "esc")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else if (verb.contains(QRegularExpression("^(o|dbl|ax)[1-5]$"))) {
                auto* option = control<OptionButton>(wizard, "Option" + verb.right(1));
                if (verb.startsWith("ax"))
                    QAccessible::queryAccessibleInterface(option)->actionInterface()->doAction(
                        QAccessibleActionInterface::toggleAction());
                else if (verb.startsWith("dbl"))
                    QTest::mouseDClick(option, Qt::LeftButton);
                else
                    QTest::mouseClick(option, Qt::LeftButton);
            } else if (verb == "add" || verb == "box") {
                wizard->Word->setText(argument);
                if (verb == "add")
                    QTest::mouseClick(wizard->Command1, Qt::LeftButton);
            } else if (verb == "yes" || verb == "no" || verb == "ok")
                platform().answer(verb == "yes"  ? Platform::Answer::Yes
                                  : verb == "no" ? Platform::Answer::No
                                                 : Platform::Answer::Ok);
            else if (verb == "file" || verb == "nofile")
                platform().chooseFile(verb == "file"
                                          ? std::optional<QString>(QDir::current().filePath(name))
                                          : std::nullopt);
            else if (verb == "put")
                writeFile(name, argument.section(u'=', 1).toUtf8());
            else if (verb == "dir")
                QVERIFY(QDir().mkpath(name));
            else if (verb == "fifo")
                QVERIFY(mkfifo(QFile::encodeName(name).constData(), 0600) == 0);
            else if (verb == "guide")
                session->program.installedReadmeFolder = guideFolder(installed->path(), argument);
            else if (verb == "full")
                full = std::make_unique<FullDisk>();
            else if (verb == "closeviewer")
                session->program.readme.get()->close();
            else
                QFAIL(qPrintable("no step " + step));
        }
    }

    // All that the teacher sees and the list holds, in one line:
    //   p<page in front>[ back where Back works] '<Next's caption>' [<the words in slots 1 to
    //   WordCount - 1>]<+ where the end marker follows them> #<number the prompt shows> box'<word
    //   box>', then what the review, the readme viewer, the current folder (CR LF as ~) and the
    //   last file dialog hold where they hold anything, and every message told.
    QString state() {
        const MODULE11& list = shared();
        QStringList listed;
        for (qint16 slot = 1; slot < list.WordCount; ++slot)
            listed.append(list.WordList[std::size_t(slot)]);
        QString seen = QStringLiteral("p%1%2 '%3' [%4]%5 #%6 box'%7'")
                           .arg(pageOnTop(wizard))
                           .arg(wizard->butBack->isEnabled() ? " back" : "",
                                wizard->butNext->text(), listed.join(u' '))
                           .arg(list.WordList[std::size_t(list.WordCount)] == "Done" ? "+" : "")
                           .arg(wizard->Label5->text().section(u' ', 3), wizard->Word->text());
        if (const QString review = wizard->CheckWords->toPlainText(); !review.isEmpty())
            seen += " review'" + review.split(u'\n', Qt::SkipEmptyParts).join(u' ') + "'";
        if (Form5* viewer = session->program.readme.get())
            seen += " viewer'" + viewer->Text1->toPlainText().replace(u'\n', u'/') + "'";
        QStringList files;
        for (const QFileInfo& file : QDir::current().entryInfoList(
                 QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System))
            files.append(file.isDir()    ? file.fileName() + "/"
                         : file.isFile() ? file.fileName() + "=" +
                                               readFile(file.filePath()).replace("\r\n", "~")
                                         : file.fileName() + "|");
        if (!files.isEmpty())
            seen += " {" + files.join(u' ') + "}";
        if (!platform().fileDialogs.isEmpty())
            seen += " dialog'" + QFileInfo(platform().fileDialogs.last().FileName).fileName() + "'";
        if (!platform().messages.isEmpty())
            seen += " : " + told(platform());
        if (platform().ended)
            seen += " ended";
        return seen.replace(installed->path(), "@");
    }

    void row(const char* name, const QString& script, const QString& expected) {
        QTest::newRow(name) << script << expected;
    }

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        installed = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(folder->path()));
        session = std::make_unique<TestSession>();
        startProgram(session->program);
        wizard = session->program.wizard.get();
        QVERIFY(wizard && activate(wizard));
    }

    void cleanup() {
        // Every file dialog is set up for word lists, their file type chosen.
        for (const CommonDialog& dialog : std::as_const(platform().fileDialogs))
            QVERIFY(dialog.Filter == "All files (*.*)|*.*|Tovrin Files (*.tvr)|*.tvr" &&
                    dialog.FilterIndex == 2);
        endSession(session);
        QDir::setCurrent(QDir::rootPath());
    }

    void startsOnPageOneWithAnEmptyList() {
        QCOMPARE(state(), "p0 'Next >' [] #1 box''");
        QCOMPARE(QStringList(shared().WordList.begin(), shared().WordList.end()), QStringList(32));
        QVERIFY(wizard->Option2->isChecked() && wizard->Option4->isChecked());
        QCOMPARE(QApplication::focusWidget(), wizard->butNext);
        // Boxes and the file dialog in the windows' face; the icon and the menu entry that docks
        // tie the windows to.
        QCOMPARE(QApplication::font().families().constFirst(), "Liberation Sans");
        QVERIFY(!wizard->windowIcon().availableSizes().isEmpty());
        QCOMPARE(QGuiApplication::desktopFileName(), "org.tovrin.Tovrin");
    }

    void scripts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        // Page 1: each choice by Next or a double-click.
        row("create", "next", "p1 back 'Next >' [] #1 box''");
        row("create, double-click", "dbl2", "p1 back 'Next >' [] #1 box''");
        row("load, cancelled", "o1;nofile;next", "p2 back 'Finish' []+ #1 box'' dialog''");
        row("load, double-click", "nofile;dbl1", "p2 back 'Finish' []+ #1 box'' dialog''");
        row("readme", "put:readme.txt=How to;o3;next",
            "p0 'Next >' [] #1 box'' viewer'How to' {readme.txt=How to}");
        row("readme, double-click, then a new list", "put:readme.txt=a;dbl3;o2;next",
            "p1 back 'Next >' [] #1 box'' viewer'a' {readme.txt=a}");

        // Typing words: 2 to 20 characters, as typed, without a double quote or a control
        // character; a refused word stays in the box.
        const QString typed = "next;add:cat;";
        row("two letters", typed + "add:ab", "p1 back 'Next >' [cat ab] #3 box''");
        row("one letter", typed + "ok;add:a", "p1 back 'Next >' [cat] #2 box'a' : short");
        row("empty box", typed + "ok;add:", "p1 back 'Next >' [cat] #2 box'' : short");
        row("20 letters", typed + "add:abcdefghijklmnopqrst",
            "p1 back 'Next >' [cat abcdefghijklmnopqrst] #3 box''");
        row("21 letters", typed + "ok;add:abcdefghijklmnopqrstu",
            "p1 back 'Next >' [cat] #2 box'abcdefghijklmnopqrstu' : long");
        row("blanks and capitals kept", typed + "add: Ab", "p1 back 'Next >' [cat  Ab] #3 box''");
        row("20 letters with combining accents",
            typed + "add:" + QString(20, 'e').replace("e", u"e\u0301"_qs),
            "p1 back 'Next >' [cat " + QString(20, 'e').replace("e", u"e\u0301"_qs) + "] #3 box''");
        row("21 emoji", typed + "ok;add:" + QString(u"🐱"_qs).repeated(21),
            "p1 back 'Next >' [cat] #2 box'" + QString(u"🐱"_qs).repeated(21) + "' : long");
        row("one emoji", typed + u"ok;add:🐱"_qs, u"p1 back 'Next >' [cat] #2 box'🐱' : short"_qs);
        row("a double quote", typed + "ok;add:say\"hi",
            "p1 back 'Next >' [cat] #2 box'say\"hi' : quote");
        row("a pasted line end", typed + "ok;add:cat\n",
            "p1 back 'Next >' [cat] #2 box'cat\n' : control");
        row("30 words fill the list, a 31st is refused, also at Next",
            "next;" + words(1, 29, "add:w%1;") + "ok;add:w30;ok;add:w31;ok;no;next",
            "p2 back 'Finish' [" + words(1, 30, "w%1 ").trimmed() + "]+ #31 box'w31' review'" +
                words(1, 30, "w%1 ").trimmed() + "' : full | full | full | save?");

        // Leaving the typing page takes the word in the box once, if it fits the list; Back and
        // Next again add nothing twice.
        const QString twice = ";no;next;back;no;next";
        row("nothing pending", typed + twice,
            "p2 back 'Finish' [cat]+ #2 box'' review'cat' : save? | save?");
        row("one letter is taken", typed + "box:a" + twice,
            "p2 back 'Finish' [cat a]+ #3 box'' review'cat a' : save? | save?");
        row("21 letters stay in the box",
            typed + "box:abcdefghijklmnopqrstu;ok;no;next;back;ok;no;next",
            "p2 back 'Finish' [cat]+ #2 box'abcdefghijklmnopqrstu' review'cat' : long | save? | "
            "long | save?");
        row("a C1 control stays in the box", typed + u"box:a\u0085b;ok;no;next"_qs,
            u"p2 back 'Finish' [cat]+ #2 box'a\u0085b' review'cat' : control | save?"_qs);

        // Saving: Yes writes the list, No and a cancelled dialog nothing; a file that exists is
        // replaced only once the user says so; a failure names the file and why.
        row("Yes saves", typed + "add:dog;box:mouse;yes;file:list.tvr;next",
            "p2 back 'Finish' [cat dog mouse]+ #3 box'' review'cat dog mouse' "
            "{list.tvr=\"cat\"~\"dog\"~\"mouse\"~} dialog'' : save?");
        row("No saves nothing", "put:list.tvr=earlier;" + typed + "no;next",
            "p2 back 'Finish' [cat]+ #2 box'' review'cat' {list.tvr=earlier} : save?");
        row("the dialog offers the name chosen last, cancelled",
            "put:list.tvr=earlier;" + typed + "yes;file:list.tvr;no;next;back;yes;nofile;next",
            "p2 back 'Finish' [cat]+ #2 box'' review'cat' {list.tvr=earlier} dialog'list.tvr' : "
            "save? | "
            "replace?(list.tvr) | save?");
        row("replaced on Yes", "put:list.tvr=earlier;" + typed + "yes;file:list.tvr;yes;next",
            "p2 back 'Finish' [cat]+ #2 box'' review'cat' {list.tvr=\"cat\"~} dialog'' : save? | "
            "replace?(list.tvr)");
        row("a folder of that name", "dir:list.tvr;" + typed + "yes;file:list.tvr;ok;next",
            "p2 back 'Finish' [cat]+ #2 box'' review'cat' {list.tvr/} dialog'' : save? | "
            "unsaved(./list.tvr, it is a folder)");
        row("the disk is full",
            "put:list.tvr=earlier;full;" + typed +
                "add:dog;add:mouse;yes;file:list.tvr;yes;ok;next",
            "p2 back 'Finish' [cat dog mouse]+ #4 box'' review'cat dog mouse' {list.tvr=earlier} "
            "dialog'' : save? | "
            "replace?(list.tvr) | unsaved(./list.tvr, File too large)");

        // Loading goes straight to the review, asking nothing but what was left out; a file that
        // cannot be read leaves the list as it was.
        const QString load = "next;add:typed;add:more;back;o1;file:w.tvr;next";
        row("a saved list", "put:w.tvr=\"cat\"\r\n\"dog\"\r\n;" + load,
            "p2 back 'Finish' [cat dog]+ #3 box'' review'cat dog' {w.tvr=\"cat\"~\"dog\"~} "
            "dialog''");
        row("an entry left out", "put:w.tvr=cat, dog\nabcdefghijklmnopqrstuvwxyz\n;ok;" + load,
            "p2 back 'Finish' [cat dog]+ #3 box'' review'cat dog' {w.tvr=cat, "
            "dog\nabcdefghijklmnopqrstuvwxyz\n} "
            "dialog'' : left(1 entry longer than 20 letters was left out.)");
        row("an empty file", "put:w.tvr=;" + load,
            "p2 back 'Finish' []+ #3 box'' {w.tvr=} dialog''");
        row("a missing file", load,
            "p2 back 'Finish' [typed more]+ #3 box'' review'typed more' dialog''");
        row("a folder", "dir:w.tvr;" + load,
            "p2 back 'Finish' [typed more]+ #3 box'' review'typed more' {w.tvr/} dialog''");
        row("a FIFO", "fifo:w.tvr;" + load,
            "p2 back 'Finish' [typed more]+ #3 box'' review'typed more' {w.tvr|} dialog''");
        // Back shows the typing page prompting for the word after the list. Words typed onto a
        // loaded list are not offered for saving, the word in the box included; a new list is.
        row("typing onto a loaded list",
            "put:w.tvr=cat,dog;" + load + u";back;add:éla;box:bat;next"_qs,
            u"p2 back 'Finish' [cat dog éla bat]+ #4 box'' review'cat dog éla bat' {w.tvr=cat,dog} dialog''"_qs);
        row("a new list after a load", "put:w.tvr=cat;" + load + ";back;back;o2;next;no;next",
            "p2 back 'Finish' []+ #1 box'' {w.tvr=cat} dialog'' : save?");

        // The review lists the words up to the marker, exactly "Done".
        row("a word 'Done' ends the listing", typed + "add:Done;add:done;no;next",
            "p2 back 'Finish' [cat Done done]+ #4 box'' review'cat' : save?");
        row("'Finished' on Yes, 'Restart' on No", "next;no;next;o5;o4",
            "p2 back 'Finished' []+ #1 box'' : save?");
        row("the screen reader's choice is a click, also of the chosen one", "next;no;next;ax4",
            "p2 back 'Finished' []+ #1 box'' : save?");
        row("the screen reader chooses No", "next;no;next;ax5",
            "p2 back 'Restart' []+ #1 box'' : save?");
        row("back to typing", typed + "no;next;back",
            "p1 back 'Next >' [cat]+ #2 box'' review'cat' : save?");
        row("back to the start", typed + "no;next;back;back",
            "p0 'Next >' [cat]+ #2 box'' review'cat' : save?");
        row("No restarts with an empty list", typed + "no;next;box:left;o5;next",
            "p0 'Next >' [] #1 box'' review'cat' : save?");
        row("a double-click on No restarts", typed + "no;next;dbl5",
            "p0 'Next >' [] #1 box'' review'cat' : save?");
        row("No stays chosen, and restarts again", typed + "no;next;o5;next;next;no;next;next",
            "p0 'Next >' [] #1 box'' : save? | save?");

        // Cancel, or Escape, ends the program at once from any page, asking nothing.
        row("Cancel on page 1", "cancel", "p0 'Next >' [] #1 box'' ended");
        row("Escape on page 2", typed + "esc", "p1 back 'Next >' [cat] #2 box'' ended");
        row("Cancel on page 3", typed + "no;next;cancel",
            "p2 back 'Finish' [cat]+ #2 box'' review'cat' : save? ended");

        // The readme of the current folder, whatever lies there; only when it has none at all,
        // the guide installed with the program, in the user's language where there is one. What
        // cannot be read is named with its folder and why, and the wizard works on.
        const QString readme = "o3;next";
        row("the readme here",
            "put:readme.txt=How to\r\n\r\nType.;put:@readme.txt=guide;guide:;" + readme,
            "p0 'Next >' [] #1 box'' viewer'How to//Type.' {readme.txt=How to~~Type.}");
        row("an open viewer keeps its text, a new one reads it anew",
            "put:readme.txt=first;" + readme + ";put:readme.txt=second;" + readme +
                ";closeviewer;" + readme,
            "p0 'Next >' [] #1 box'' viewer'second' {readme.txt=second}");
        row("the installed guide", "put:@readme.txt=guide;guide:;" + readme,
            "p0 'Next >' [] #1 box'' viewer'guide'");
        row("the guide in German",
            "put:@readme.txt=guide;dir:@de;put:@de/readme.txt=Anleitung;guide:de;" + readme,
            "p0 'Next >' [] #1 box'' viewer'Anleitung'");
        row("no Dutch guide: English", "put:@readme.txt=guide;guide:nl;" + readme,
            "p0 'Next >' [] #1 box'' viewer'guide'");
        row("a folder here is not passed over",
            "dir:readme.txt;put:@readme.txt=guide;guide:;ok;" + readme,
            "p0 'Next >' [] #1 box'' {readme.txt/} : unread(., it is a folder)");
        row("a FIFO", "fifo:readme.txt;ok;" + readme + ";o2;next",
            "p1 back 'Next >' [] #1 box'' {readme.txt|} : unread(., it is not a regular file)");
        row("the installed copy only as a regular file", "fifo:@readme.txt;guide:;ok;" + readme,
            "p0 'Next >' [] #1 box'' : unread(@, it is not a regular file)");
        row("neither", "ok;" + readme,
            "p0 'Next >' [] #1 box'' : unread(., No such file or directory)");
        row("over 64 KiB", "put:readme.txt=" + QString(64 * 1024 + 1, 'x') + ";ok;" + readme,
            "p0 'Next >' [] #1 box'' {readme.txt=" + QString(64 * 1024 + 1, 'x') +
                "} : unread(., it is larger than 64 KiB)");
    }
    void scripts() {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        play(script);
        QCOMPARE(state(), expected);
    }

    // The viewer opens beside the wizard, whose buttons stay in reach, and its text box fills it
    // at any size.
    void theViewerBesideTheWizard() {
        play("put:readme.txt=How to;o3;next");
        Form5* viewer = session->program.readme.get();
        QVERIFY(viewer && !viewer->frameGeometry().intersects(wizard->frameGeometry()));
        QCOMPARE(viewer->windowTitle(), "readme.txt");
        for (const QSize size : {QSize(900, 700), QSize(1, 1)}) {
            viewer->resize(size);
            QCOMPARE(viewer->Text1->geometry(), viewer->rect());
        }
    }

    // An open readme viewer keeps the program running once the wizard is closed; the program ends
    // when its last window has closed.
    void theViewerKeepsTheProgramRunning() {
        play("put:readme.txt=How to;o3;next");
        wizard->close();
        QCoreApplication::processEvents();
        QVERIFY(!platform().ended);
        session->program.readme.get()->close();
        QCoreApplication::processEvents();
        QVERIFY(platform().ended);
    }

    // A restart empties every slot but the unused slot 0.
    void restartEmptiesTheList() {
        shared().WordList[0] = "slot zero";
        shared().WordList[31] = "old";
        play("next;add:cat;no;next;o5;next");
        QCOMPARE(shared().WordList[0], "slot zero");
        QCOMPARE(QStringList(shared().WordList.begin() + 1, shared().WordList.end()),
                 QStringList(31));
    }

    // Yes hands the list over: the wizard closes for good and the practice opens on the list,
    // without the program ending in between.
    void yesHandsOver() {
        QPointer<frmWizard> closing = wizard;
        play("next;add:cat;no;next;ok;dbl4");
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closing.isNull() && !platform().ended);
        Main* practice = session->program.practice.get();
        QVERIFY(practice && practice->isVisible() && !practice->isModal());
        QCOMPARE(practice->Word->text(), "cat");
    }
};

QTEST_MAIN(WizardTest)
#include "tst_wizard.moc"
