#include "TestSession.h"

#include "practice/Form1.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"
#include "screens/OptionButton.h"
#include "wizard/Form5.h"
#include "wizard/ReadmeFile.h"
#include "wizard/StartProgram.h"
#include "wizard/frmWizard.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <cmath>

#include <sys/stat.h>

namespace {

void fail(const QString& what) {
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
}

// Every message of the program: its text (%1 and %2 stand for any text), its code, and its title
// with "?" for Yes and No and "!" for the exclamation icon.
const char* const Messages = R"(
Words must have at least 2 letters.  Choose another word. ¦ short ¦ Tovrin
Maximum word length is 20 letters.  Choose another word. ¦ long ¦ Tovrin
Words cannot contain a double quote.  Choose another word. ¦ quote ¦ Tovrin
Words cannot contain tabs or line breaks.  Choose another word. ¦ control ¦ Tovrin
No more words are allowed in this list, you already have 30. ¦ full ¦ STOP
Save Your List? ¦ save? ¦ Tovrin?
%1 already exists.  Replace it? ¦ replace?(%1) ¦ Tovrin?!
The list could not be saved as %1 (%2).  Any earlier file of that name is unchanged. ¦ unsaved(%1, %2) ¦ Tovrin!
The file readme.txt in the folder %1 cannot be shown (%2). ¦ unread(%1, %2) ¦ Tovrin!
%1 left out.%2 ¦ left(%1 left out.%2) ¦ Tovrin
Students can now practice spelling the words ¦ start ¦ Tovrin
Right! ¦ right ¦ Right!
Wrong! See The Missing Letters.  Each Dash is a Mistake ¦ wrong ¦ Wrong!
You Made %1 Errors on the %2 words.  More Practice ¦ sum(%1,%2) ¦ Finished??
You Now Know how to spell '%1'. ¦ congrats(%1) ¦ Congratulations
Sorry, Did you Concentrate?  The word was '%1'. ¦ sorry(%1) ¦ Incorrect
)";

QString code(const TestSession::Message& message) {
    const QString shown = message.title + (message.buttons == Platform::Buttons::YesNo ? "?" : "") +
                          (message.icon == Platform::Icon::Exclamation ? "!" : "");
    for (const QString& line : QString::fromUtf8(Messages).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList known = line.split(QStringLiteral(" ¦ "));
        const QString pattern =
            QRegularExpression::escape(known[0]).replace("\\%1", "(.*)").replace("\\%2", "(.*)");
        const QRegularExpressionMatch match =
            QRegularExpression("^" + pattern + "$", QRegularExpression::DotMatchesEverythingOption)
                .match(message.text);
        if (!match.hasMatch())
            continue;
        QString coded = known[2] == shown ? known[1] : "(as " + shown + ") " + known[1];
        return coded.replace("%1", match.captured(1)).replace("%2", match.captured(2)) +
               message.seen;
    }
    return "(unknown) " + message.text;
}

} // namespace

TestSession::Answer TestSession::message(const QString& text, const QString& title, Buttons buttons,
                                         Icon icon, const QRect&) {
    messages.append({text, title, buttons, icon, {}});
    if (const Main* practice = program.practice.get(); practice && practice->isVisible()) {
        const QString lines = QStringList{practice->Word->text(), practice->TypedWord->text(),
                                          practice->CorrectWord->text(), practice->TWord->text()}
                                  .join(u'|');
        messages.last().seen = lines == "|||" ? QString() : "[" + lines + "]";
    }
    while (!steps_.isEmpty() &&
           (steps_.first().startsWith("seen:") || steps_.first().startsWith("!")))
        step(steps_.takeFirst());
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (!steps_.isEmpty() && (steps_.first() == "yes" || steps_.first() == "no"))
        return steps_.takeFirst() == "yes" ? Answer::Yes : Answer::No;
    if (!program.hasEnded())
        fail("no answer to \"" + text + "\"");
    return Answer::No;
}

bool TestSession::showOpen(CommonDialog& dialog) {
    fileDialogs.append(dialog);
    const QString next = steps_.isEmpty() ? QString() : steps_.takeFirst();
    if (next.startsWith("file:"))
        dialog.FileName = QDir::current().filePath(next.mid(5));
    else if (next != "nofile")
        fail("a file dialog, but the step is \"" + next + "\"");
    return next.startsWith("file:");
}

void TestSession::showModal(QDialog& window) {
    window.setModal(true);
    window.show();
    while (window.isVisible() && !steps_.isEmpty())
        step(steps_.takeFirst());
    if (window.isVisible()) {
        fail("modal window " + window.objectName() + " was left open");
        window.close();
    }
}

double TestSession::random() {
    return randoms.isEmpty() ? std::ldexp(double(generator_() >> 11), -53) : randoms.takeFirst();
}

void TestSession::play(const QString& script) {
    steps_ = script.split(u';', Qt::SkipEmptyParts);
    while (!steps_.isEmpty())
        step(steps_.takeFirst());
    QCoreApplication::processEvents();
}

void TestSession::step(const QString& step) {
    if (step.size() > 1 && step.startsWith(u'!'))
        return this->step(step.mid(1));
    const QString verb = step.section(u':', 0, 0), argument = step.section(u':', 1);
    const QString name = argument.section(u'=', 0, 0).replace(u'@', installedFolder + u'/');
    frmWizard* wizard = program.wizard.get();
    Main* practice = program.practice.get();
    Form1* recall = program.recall.get();
    if (verb == "start")
        startProgram(program);
    else if (verb == "next" || verb == "back" || verb == "cancel")
        QTest::mouseClick(
            wizard->findChild<QPushButton*>("but" + verb.left(1).toUpper() + verb.mid(1)),
            Qt::LeftButton);
    else if (verb == "esc")
        QTest::keyClick(wizard->focusWidget() ? wizard->focusWidget() : wizard, Qt::Key_Escape);
    else if (verb.contains(QRegularExpression("^(o|dbl|ax)[1-5]$"))) {
        auto* option = wizard->findChild<OptionButton*>("Option" + verb.right(1));
        if (verb.startsWith("ax"))
            QAccessible::queryAccessibleInterface(option)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
        else if (verb.startsWith("dbl"))
            QTest::mouseDClick(option, Qt::LeftButton);
        else
            QTest::mouseClick(option, Qt::LeftButton);
    } else if (verb == "add" || (verb == "box" && !recall)) {
        wizard->Word->setText(argument);
        if (verb == "add")
            QTest::mouseClick(wizard->Command1, Qt::LeftButton);
    } else if (verb == "box") {
        recall->TypedWord->setText(argument);
    } else if (verb == "list" || verb == "count") {
        const QStringList words = argument.split(u' ');
        for (qsizetype i = 0; verb == "list" && i < words.size(); ++i)
            program.shared.WordList[std::size_t(i + 1)] = words.at(i);
        program.shared.WordCount = qint16(verb == "list" ? words.size() + 1 : argument.toInt());
    } else if (verb == "practice") {
        if (Main* opened = program.practice.use())
            opened->show();
    } else if (verb == "t" || verb == "r") {
        QLineEdit* box = verb == "t" ? (practice ? practice->TWord : nullptr)
                                     : (recall ? recall->TypedWord : nullptr);
        // Each attempt finds the box as the one before left it: empty.
        if (!box || !(box->text().isEmpty() || box->text() == argument))
            return fail("no empty box for " + step);
        box->setText(argument);
        QTest::mouseClick(verb == "t" ? practice->Command1 : recall->Command1, Qt::LeftButton);
    } else if (verb == "f5") {
        QWidget* window = recall ? static_cast<QWidget*>(recall) : practice;
        if (!window || (window->activateWindow(), !QTest::qWaitForWindowActive(window)))
            return fail("no window for " + step);
        // Held down: the key's repeats say nothing more.
        for (const bool repeat : {false, true})
            QTest::simulateEvent(QApplication::focusWidget(), true, Qt::Key_F5, {}, {}, repeat);
    } else if (verb == "rand")
        for (const QString& number : argument.split(u','))
            randoms.push_back(number.toDouble());
    else if (verb == "e")
        program.shared.ErrorCount = qint16(argument.toInt());
    else if (verb == "put")
        writeFile(name, argument.section(u'=', 1).toUtf8());
    else if (verb == "dir" || verb == "fifo")
        QVERIFY(verb == "dir" ? QDir().mkpath(name)
                              : mkfifo(QFile::encodeName(name).constData(), 0600) == 0);
    else if (verb == "guide")
        program.installedReadmeFolder = guideFolder(installedFolder, argument);
    else if (verb == "close") {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == argument && window->isVisible())
                window->close();
    } else if (verb == "!")
        program.end();
    else if (verb == "visit" || verb == "seen")
        visit(argument.startsWith("wizard")  ? static_cast<QWidget*>(wizard)
              : argument.startsWith("main")  ? practice
              : argument.startsWith("form1") ? static_cast<QWidget*>(recall)
                                             : static_cast<QWidget*>(program.readme.get()),
              argument);
    else
        fail("no step " + step);
}

QString TestSession::told() const {
    QStringList codes;
    for (const Message& message : messages)
        codes.append(code(message).replace(QDir::currentPath(), "."));
    if (!installedFolder.isEmpty())
        codes.replaceInStrings(installedFolder, "@");
    return codes.join(" | ");
}

void verifyNoWindowLeft() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        left.append(widget->objectName().isEmpty() ? widget->metaObject()->className()
                                                   : widget->objectName());
    if (!left.isEmpty())
        fail("windows left open: " + left.join(", "));
}

QList<TestSession::Message>
tourWindows(const std::function<void(QWidget*, const QString&)>& visit) {
    QList<TestSession::Message> messages;
    // The list's most words, one still in the box while the typing page is seen.
    const QString thirty =
        QStringLiteral(
            "because friend necessary café λόγος Wednesday separate rhythm believe library "
            "February government island knowledge neighbour occasion queue receive "
            "restaurant schedule science surprise thought tomorrow weird yacht address "
            "calendar business definitely")
            .replace(u' ', ";add:")
            .replace(";add:rhythm", ";box:rhythm;visit:wizard-2-typing;add:rhythm");
    const QString longest = "t:internationalization;";
    const QStringList scripts{
        "start;visit:wizard-1-start;o3;next;visit:form5-readme;close:Form5;o2;next;add:" + thirty +
            ";visit:wizard-2-full;next;no;visit:wizard-3-review;o5;visit:wizard-3-restart;o4;visit:"
            "wizard-3-finished",
        "list:cat internationalization necessary;rand:0;practice;visit:main-short-word;t:cat;t:cat;"
        "box:cat;visit:form1-recall;rand:0.9;r:cat;t:neccesary;seen:main-wrong-attempt;"
        "t:necessarily, or so I "
        "thought;seen:main-long-wrong-attempt;t:necessary;t:necessary;t:necessary;"
        "t:necessary;t:necessary;rand:0;r:necessary;" +
            longest.repeated(9) +
            "visit:main-longest-word-hidden;t:internationalisation;seen:main-longest-word-wrong"};
    for (const QString& script : scripts) {
        TestSession session;
        session.visit = visit;
        session.play(script);
        session.program.end();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages += session.messages;
    }
    return messages;
}

namespace {
QByteArray unescaped(const QByteArray& cell) {
    QByteArray bytes;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const char kind = cell[i] == '\\' ? cell[++i] : 0;
        if (kind == '*') {
            const qsizetype open = cell.indexOf('(', i), close = cell.indexOf(')', open);
            bytes += unescaped(cell.mid(open + 1, close - open - 1))
                         .repeated(cell.mid(i + 1, open - i - 1).toInt());
            i = close;
            continue;
        }
        const qsizetype digits = kind == 'x' ? 2 : kind == 'u' ? 4 : kind == 'U' ? 8 : 0;
        const char32_t code = cell.mid(i + 1, digits).toUInt(nullptr, 16);
        i += digits;
        bytes += kind == 'x'   ? QByteArray(1, char(code))
                 : digits      ? QString::fromUcs4(&code, 1).toUtf8()
                 : kind == 'r' ? QByteArray("\r")
                 : kind == 'n' ? QByteArray("\n")
                 : kind == 't' ? QByteArray("\t")
                               : QByteArray(1, kind ? kind : cell[i]);
    }
    return bytes;
}
} // namespace

void addRows(const char* table) {
    for (const QString& line : QString::fromUtf8(table).split(u'\n')) {
        // A space after the line lets an empty last column end it.
        QStringList cells = (line + u' ').split(QStringLiteral(" ¦ "));
        if (line.trimmed().isEmpty())
            continue;
        cells.last().chop(1);
        QTestData& row = QTest::newRow(qPrintable(cells.takeFirst().trimmed()));
        for (const QString& cell : std::as_const(cells))
            row << unescaped(cell.toUtf8());
    }
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
