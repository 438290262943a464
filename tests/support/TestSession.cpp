#include "TestSession.h"

#include "core/Characters.h"
#include "wizard/frmWizard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QRegularExpression>

namespace {

using Buttons = Platform::Buttons;
using Icon = Platform::Icon;

struct Known {
    const char* text;
    const char* code;
    const char* title;
    Buttons buttons;
    Icon icon;
};

// Every message of the program, with its title, buttons and icon; %1 and %2 stand for any text.
const Known Messages[] = {
    {"Words must have at least 2 letters.  Choose another word.", "short", "Tovrin", Buttons::Ok,
     Icon::None},
    {"Maximum word length is 20 letters.  Choose another word.", "long", "Tovrin", Buttons::Ok,
     Icon::None},
    {"Words cannot contain a double quote.  Choose another word.", "quote", "Tovrin", Buttons::Ok,
     Icon::None},
    {"Words cannot contain tabs or line breaks.  Choose another word.", "control", "Tovrin",
     Buttons::Ok, Icon::None},
    {"No more words are allowed in this list, you already have 30.", "full", "STOP", Buttons::Ok,
     Icon::None},
    {"Save Your List?", "save?", "Tovrin", Buttons::YesNo, Icon::None},
    {"%1 already exists.  Replace it?", "replace?(%1)", "Tovrin", Buttons::YesNo,
     Icon::Exclamation},
    {"The list could not be saved as %1 (%2).  Any earlier file of that name is unchanged.",
     "unsaved(%1, %2)", "Tovrin", Buttons::Ok, Icon::Exclamation},
    {"The file readme.txt in the folder %1 cannot be shown (%2).", "unread(%1, %2)", "Tovrin",
     Buttons::Ok, Icon::Exclamation},
    {"%1 left out.%2", "left(%1 left out.%2)", "Tovrin", Buttons::Ok, Icon::None},
    {"A list holds at most 30 words: %1", "left(A list holds at most 30 words: %1)", "Tovrin",
     Buttons::Ok, Icon::None},
    {"The file is far larger than a list of words: %1",
     "left(The file is far larger than a list of words: %1)", "Tovrin", Buttons::Ok, Icon::None},
    {"Students can now practice spelling the words", "start", "Tovrin", Buttons::Ok, Icon::None},
    {"Right!", "right", "Right", Buttons::Ok, Icon::Exclamation},
    {"Wrong! See The Missing Letters.  Each Dash is a Mistake", "wrong", "Wrong", Buttons::Ok,
     Icon::Exclamation},
    {"You Made %1 Errors on the %2 words.  More Practice", "sum(%1,%2)", "Finished?",
     Buttons::YesNo, Icon::None},
    {"You Now Know how to spell '%1'.", "congrats(%1)", "Congratulations", Buttons::Ok, Icon::None},
    {"Sorry, Did you Concentrate?  The word was '%1'.", "sorry(%1)", "Incorrect", Buttons::Ok,
     Icon::None},
};

QString code(const ScriptedPlatform::Message& message) {
    for (const Known& known : Messages) {
        const QString pattern = QRegularExpression::escape(QString::fromUtf8(known.text))
                                    .replace(QLatin1String("\\%1"), QLatin1String("(.*)"))
                                    .replace(QLatin1String("\\%2"), QLatin1String("(.*)"));
        const QRegularExpressionMatch match =
            QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'),
                               QRegularExpression::DotMatchesEverythingOption)
                .match(message.text);
        if (!match.hasMatch())
            continue;
        if (message.title != QLatin1String(known.title) || message.buttons != known.buttons ||
            message.icon != known.icon)
            return QStringLiteral("(title, buttons or icon of) ") + message.text;
        QString coded = QString::fromUtf8(known.code);
        for (int group = match.lastCapturedIndex(); group >= 1; --group)
            coded.replace(QLatin1Char('%') + QString::number(group), match.captured(group));
        return coded + message.seen;
    }
    return QStringLiteral("(unknown) ") + message.text;
}

} // namespace

void endSession(std::unique_ptr<TestSession>& session) {
    const int unused = session ? session->platform.unusedAnswers() : 0;
    session.reset();
    verifyNoWindowLeft();
    if (unused != 0)
        QTest::qFail(
            qPrintable(QStringLiteral("%1 scripted answers were never asked for").arg(unused)),
            __FILE__, __LINE__);
}

void verifyNoWindowLeft() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        left.append(widget->objectName().isEmpty()
                        ? QString::fromLatin1(widget->metaObject()->className())
                        : widget->objectName());
    if (!left.isEmpty())
        QTest::qFail(
            qPrintable(QStringLiteral("windows left open: ") + left.join(QLatin1String(", "))),
            __FILE__, __LINE__);
}

QString told(const ScriptedPlatform& platform) {
    QStringList codes;
    for (const ScriptedPlatform::Message& message : platform.messages)
        codes.append(code(message).replace(QDir::currentPath(), QLatin1String(".")));
    return codes.join(QLatin1String(" | "));
}

bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

int pageOnTop(frmWizard* wizard) {
    QWidget* hit = wizard->childAt(wizard->Frame1[0]->geometry().center());
    for (; hit && hit != wizard; hit = hit->parentWidget())
        for (int page = 0; page < 3; ++page)
            if (hit == wizard->Frame1[std::size_t(page)])
                return page;
    return -1;
}

void typeText(QWidget* widget, const QString& text) {
    for (const QString& character : characters(text)) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
    }
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
