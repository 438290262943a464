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
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QString numbered(int count, const QString& format) {
    QString words;
    for (int i = 1; i <= count; ++i)
        words += format.arg(i);
    return words;
}

} // namespace

class WizardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;
    QPointer<frmWizard> wizard;
    // The current folder, where the readme is looked for and the lists are kept, and the folder of
    // the guide installed with the program.
    std::unique_ptr<QTemporaryDir> folder, installed;

    MODULE11& shared() { return session->program.shared; }
    ScriptedPlatform& platform() { return session->platform; }

    void play(const QString& script) { session->play(script); }

    // All that the teacher sees and the list holds, in one line: the page in front (1 to 3), "<"
    // where Back works, Next's caption, the words in slots 1 to WordCount - 1 in brackets and "+"
    // where the end marker follows them; then, where there is something to see, the word box, the
    // typing page's prompt where it does not count WordCount, the review where it differs from the
    // list, the readme viewer (line ends as /), the current folder's files (CR LF as ~), the name
    // the last file dialog offered, and every message told.
    QString state() {
        const MODULE11& list = shared();
        QStringList words;
        for (qint16 slot = 1; slot < list.WordCount; ++slot)
            words.append(list.WordList[std::size_t(slot)]);
        if (!wizard)
            return "closed : " + session->told() + (platform().ended ? ", ended" : "");
        const int page = pageOnTop(wizard) + 1;
        QString seen = QStringLiteral("%1%2 %3 [%4]")
                           .arg(page)
                           .arg(wizard->butBack->isEnabled() ? "<" : "", wizard->butNext->text(),
                                words.join(u' '));
        if (list.WordList[std::size_t(list.WordCount)] == "Done")
            seen += "+";
        if (!wizard->Word->text().isEmpty())
            seen += " box'" + wizard->Word->text() + "'";
        if (page == 2 &&
            wizard->Label5->text() != QStringLiteral("Type in Word %1").arg(list.WordCount))
            seen += " " + wizard->Label5->text();
        const QString review =
            wizard->CheckWords->toPlainText().split(u'\n', Qt::SkipEmptyParts).join(u' ');
        if (!review.isEmpty() && review != words.join(u' '))
            seen += " review'" + review + "'";
        if (Form5* viewer = session->program.readme.get())
            seen += " viewer'" + viewer->Text1->toPlainText().replace(u'\n', u'/') + "'";
        QStringList files;
        for (const QFileInfo& file : QDir::current().entryInfoList(
                 QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System))
            files.append(file.fileName() +
                         (file.isDir()    ? QString("/")
                          : file.isFile() ? "=" + readFile(file.filePath()).replace("\r\n", "~")
                                          : QString("|")));
        if (!files.isEmpty())
            seen += " {" + files.join(u' ') + "}";
        if (!platform().fileDialogs.isEmpty() && !platform().fileDialogs.last().FileName.isEmpty())
            seen += " dialog'" + QFileInfo(platform().fileDialogs.last().FileName).fileName() + "'";
        if (!platform().messages.isEmpty())
            seen += " : " + session->told();
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
        session->installedFolder = installed->path();
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
        QCOMPARE(state(), "1 Next > []");
        QCOMPARE(QStringList(shared().WordList.begin(), shared().WordList.end()), QStringList(32));
        QCOMPARE(wizard->Label5->text(), "Type in Word 1");
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
        row("create", "next", "2< Next > []");
        row("create, double-click", "dbl2", "2< Next > []");
        row("load, cancelled", "o1;next;nofile", "3< Finish []+");
        row("load, double-click", "dbl1;nofile", "3< Finish []+");
        row("readme", "put:readme.txt=How to;o3;next",
            "1 Next > [] viewer'How to' {readme.txt=How to}");
        row("readme, double-click, then a new list", "put:readme.txt=a;dbl3;o2;next",
            "2< Next > [] viewer'a' {readme.txt=a}");

        // Typing: 2 to 20 characters as typed, no double quote, no control character; a refused
        // word stays in the box.
        const QString typed = "next;add:cat;";
        row("two letters", typed + "add:ab", "2< Next > [cat ab]");
        row("one letter", typed + "add:a", "2< Next > [cat] box'a' : short");
        row("empty box", typed + "add:", "2< Next > [cat] : short");
        row("20 letters", typed + "add:abcdefghijklmnopqrst",
            "2< Next > [cat abcdefghijklmnopqrst]");
        row("21 letters", typed + "add:abcdefghijklmnopqrstu",
            "2< Next > [cat] box'abcdefghijklmnopqrstu' : long");
        row("blanks and capitals kept", typed + "add: Ab", "2< Next > [cat  Ab]");
        row("an emoji is one letter", typed + u"add:🐱"_qs, u"2< Next > [cat] box'🐱' : short"_qs);
        row("20 accented letters", typed + "add:" + QString(20, 'e').replace("e", u"e\u0301"_qs),
            "2< Next > [cat " + QString(20, 'e').replace("e", u"e\u0301"_qs) + "]");
        row("a double quote", typed + "add:say\"hi", "2< Next > [cat] box'say\"hi' : quote");
        row("a pasted line end", typed + "add:cat\n", "2< Next > [cat] box'cat\n' : control");
        row("30 words fill the list, a 31st is refused, also at Next",
            "next;" + numbered(29, "add:w%1;") + "add:w30;add:w31;next;no",
            "3< Finish [" + numbered(30, "w%1 ").trimmed() +
                "]+ box'w31' : full | full | full | save?");

        // Leaving the typing page takes the word in the box once, if it fits the list; Back and
        // Next again add nothing twice.
        const QString twice = ";next;no;back;next;no";
        row("nothing pending", typed + twice, "3< Finish [cat]+ : save? | save?");
        row("one letter is taken", typed + "box:a" + twice, "3< Finish [cat a]+ : save? | save?");
        row("21 letters stay in the box", typed + "box:abcdefghijklmnopqrstu;next;no;back;next;no",
            "3< Finish [cat]+ box'abcdefghijklmnopqrstu' : long | save? | long | save?");
        row("a C1 control stays in the box", typed + u"box:a\u0085b;next;no"_qs,
            u"3< Finish [cat]+ box'a\u0085b' : control | save?"_qs);

        // Saving: Yes writes the list, No and a cancelled dialog nothing; a file that exists is
        // replaced only once the user says so; a failure names the file and why.
        row("Yes saves", typed + "add:dog;box:mouse;next;yes;file:list.tvr",
            "3< Finish [cat dog mouse]+ {list.tvr=\"cat\"~\"dog\"~\"mouse\"~} : save?");
        row("No saves nothing", "put:list.tvr=earlier;" + typed + "next;no",
            "3< Finish [cat]+ {list.tvr=earlier} : save?");
        row("the name chosen last is offered, not replaced, cancelled",
            "put:list.tvr=earlier;" + typed + "next;yes;file:list.tvr;no;back;next;yes;nofile",
            "3< Finish [cat]+ {list.tvr=earlier} dialog'list.tvr' : save? | replace?(list.tvr) | "
            "save?");
        row("replaced on Yes", "put:list.tvr=earlier;" + typed + "next;yes;file:list.tvr;yes",
            "3< Finish [cat]+ {list.tvr=\"cat\"~} : save? | replace?(list.tvr)");
        row("a folder that does not exist", typed + "next;yes;file:none/list.tvr",
            "3< Finish [cat]+ : save? | unsaved(./none/list.tvr, No such file or directory)");
        row("a folder of that name", "dir:list.tvr;" + typed + "next;yes;file:list.tvr",
            "3< Finish [cat]+ {list.tvr/} : save? | unsaved(./list.tvr, it is a folder)");
        row("the disk is full",
            "put:list.tvr=earlier;full;" + typed + "add:dog;add:mouse;next;yes;file:list.tvr;yes",
            "3< Finish [cat dog mouse]+ {list.tvr=earlier} : save? | replace?(list.tvr) | "
            "unsaved(./list.tvr, File too large)");

        // Loading goes straight to the review, asking nothing but what was left out; a file that
        // cannot be read leaves the list as it was.
        const QString load = "next;add:typed;add:more;back;o1;next;file:w.tvr";
        row("a saved list", "put:w.tvr=\"cat\"\r\n\"dog\"\r\n;" + load,
            "3< Finish [cat dog]+ {w.tvr=\"cat\"~\"dog\"~}");
        row("an entry left out", "put:w.tvr=cat, dog\nabcdefghijklmnopqrstuvwxyz\n;" + load,
            "3< Finish [cat dog]+ {w.tvr=cat, dog\nabcdefghijklmnopqrstuvwxyz\n} : "
            "left(1 entry longer than 20 letters was left out.)");
        row("an empty file", "put:w.tvr=;" + load, "3< Finish []+ {w.tvr=}");
        row("a missing file", load, "3< Finish [typed more]+");
        row("a folder", "dir:w.tvr;" + load, "3< Finish [typed more]+ {w.tvr/}");
        row("a FIFO", "fifo:w.tvr;" + load, "3< Finish [typed more]+ {w.tvr|}");
        // Back shows the typing page, prompting for the word after the list. Words typed onto a
        // loaded list are not offered for saving, the word in the box included; a new list is.
        row("typing onto a loaded list",
            "put:w.tvr=cat,dog;" + load + u";back;add:éla;box:bat;next"_qs,
            u"3< Finish [cat dog éla bat]+ {w.tvr=cat,dog}"_qs);
        row("the prompt after a load", "put:w.tvr=cat,dog;" + load + ";back",
            "2< Next > [cat dog]+ {w.tvr=cat,dog}");
        row("a new list after a load", "put:w.tvr=cat;" + load + ";back;back;o2;next;next;no",
            "3< Finish []+ {w.tvr=cat} : save?");

        // The review lists the words up to the marker, exactly "Done"; Yes and No set Next's
        // caption however they are chosen, the chosen one too; Back goes a page back.
        row("a word 'Done' ends the listing", typed + "add:Done;add:done;next;no",
            "3< Finish [cat Done done]+ review'cat' : save?");
        row("'Finished' on Yes, 'Restart' on No", "next;next;no;o5;o4", "3< Finished []+ : save?");
        row("the screen reader's Toggle on the chosen Yes", "next;next;no;ax4",
            "3< Finished []+ : save?");
        row("the screen reader chooses No", "next;next;no;ax5", "3< Restart []+ : save?");
        row("back to typing, back to the start", typed + "next;no;back;back",
            "1 Next > [cat]+ : save?");
        // No throws the list away and starts again; it stays chosen, so restarts again.
        row("No restarts with an empty list", typed + "next;no;box:left;o5;next",
            "1 Next > [] review'cat' : save?");
        row("a double-click on No restarts", typed + "next;no;dbl5",
            "1 Next > [] review'cat' : save?");
        row("No stays chosen", typed + "next;no;o5;next;next;next;no;next",
            "1 Next > [] : save? | save?");

        // Cancel, or Escape, ends the program at once from any page, asking nothing.
        row("Cancel on page 1", "cancel", "closed : , ended");
        row("Escape on page 2", typed + "esc", "closed : , ended");
        row("Cancel on page 3", typed + "next;no;cancel", "closed : save?, ended");

        // The readme of the current folder, whatever lies there; only when it has none at all,
        // the guide installed with the program, in the user's language where there is one. What
        // cannot be read is named with its folder and why, and the wizard works on.
        const QString readme = "o3;next";
        row("the readme here",
            "put:readme.txt=How to\r\n\r\nType.;put:@readme.txt=guide;guide:;" + readme,
            "1 Next > [] viewer'How to//Type.' {readme.txt=How to~~Type.}");
        row("an open viewer keeps its text, a new one reads it anew",
            "put:readme.txt=first;" + readme + ";put:readme.txt=second;" + readme,
            "1 Next > [] viewer'first' {readme.txt=second}");
        row("the installed guide", "put:@readme.txt=guide;guide:;" + readme,
            "1 Next > [] viewer'guide'");
        row("the guide in German",
            "put:@readme.txt=guide;dir:@de;put:@de/readme.txt=Anleitung;guide:de;" + readme,
            "1 Next > [] viewer'Anleitung'");
        row("no Dutch guide: English", "put:@readme.txt=guide;guide:nl;" + readme,
            "1 Next > [] viewer'guide'");
        row("a folder here is not passed over",
            "dir:readme.txt;put:@readme.txt=guide;guide:;" + readme,
            "1 Next > [] {readme.txt/} : unread(., it is a folder)");
        row("a FIFO", "fifo:readme.txt;" + readme + ";o2;next",
            "2< Next > [] {readme.txt|} : unread(., it is not a regular file)");
        row("the installed copy only as a regular file", "fifo:@readme.txt;guide:;" + readme,
            "1 Next > [] : unread(@, it is not a regular file)");
        row("neither", "" + readme, "1 Next > [] : unread(., No such file or directory)");
        row("over 64 KiB", "put:readme.txt=" + QString(64 * 1024 + 1, 'x') + ";" + readme,
            "1 Next > [] {readme.txt=" + QString(64 * 1024 + 1, 'x') +
                "} : unread(., it is larger than 64 KiB)");
    }
    void scripts() {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        play(script);
        QCOMPARE(state(), expected);
    }

    // The viewer opens beside the wizard, whose buttons stay in reach, and its text box fills it
    // at any size; once closed, a new one reads the file anew. It keeps the program running once
    // the wizard is closed; the program ends when its last window has closed.
    void theReadmeViewer() {
        play("put:readme.txt=How to;o3;next");
        Form5* viewer = session->program.readme.get();
        QVERIFY(viewer && !viewer->frameGeometry().intersects(wizard->frameGeometry()));
        QCOMPARE(viewer->windowTitle(), "readme.txt");
        for (const QSize size : {QSize(900, 700), QSize(1, 1)}) {
            viewer->resize(size);
            QCOMPARE(viewer->Text1->geometry(), viewer->rect());
        }
        viewer->close();
        play("put:readme.txt=second;o3;next");
        QCOMPARE(session->program.readme.get()->Text1->toPlainText(), "second");
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
        play("next;add:cat;next;no;o5;next");
        QCOMPARE(shared().WordList[0], "slot zero");
        QCOMPARE(QStringList(shared().WordList.begin() + 1, shared().WordList.end()),
                 QStringList(31));
    }

    // Yes hands the list over: the wizard closes for good and the practice opens on the list,
    // without the program ending in between.
    void yesHandsOver() {
        QPointer<frmWizard> closing = wizard;
        play("next;add:cat;next;no;dbl4");
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closing.isNull() && !platform().ended);
        Main* practice = session->program.practice.get();
        QVERIFY(practice && practice->isVisible() && !practice->isModal());
        QCOMPARE(practice->Word->text(), "cat");
        // Nothing was said in the wizard; the practice says its first word.
        QCOMPARE(platform().said, QStringList{"cat"});
    }
};

QTEST_MAIN(WizardTest)
#include "tst_wizard.moc"
