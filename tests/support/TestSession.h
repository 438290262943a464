#pragma once

#include "ScriptedPlatform.h"
#include "core/Program.h"

#include <QByteArray>
#include <QString>
#include <QTest>
#include <QWidget>

#include <memory>

class frmWizard;

// A program on the scripted platform, as a test drives it.
struct TestSession {
    ScriptedPlatform platform;
    Program program{platform};
};

// Ends a test's session: fails the test if a scripted answer was never asked for or a window is
// left once the program is gone.
void endSession(std::unique_ptr<TestSession>& session);

// Lets closed windows finish their deferred deletion, then fails the test if any top-level
// widget is left.
void verifyNoWindowLeft();

// Every message shown so far, each as a short code with what was seen while it was open:
// "save?", "wrong[cat|cat|c-t|cot]", "sum(1,3)". Each code stands for one exact text, title, set of
// buttons and icon; a message that fits none fails the test. The current folder is named ".".
QString told(const ScriptedPlatform& platform);

// Gives `window` the keyboard, as a window manager does for the window a user turns to: the focus,
// and with it the default button, moves only in the active window. False if it never became
// active.
bool activate(QWidget* window);

// Which wizard page the user sees: the frame at the front where the pages lie, or -1.
int pageOnTop(frmWizard* wizard);

// Types `text` into `widget` key by key, as a keyboard would (any characters, not only ASCII).
void typeText(QWidget* widget, const QString& text);

// Creates or replaces the file at `path` with exactly `bytes`; fails the test if it cannot.
void writeFile(const QString& path, const QByteArray& bytes);
// The file's bytes, or "(missing)".
QByteArray readFile(const QString& path);

// The control named `name` inside `window`; fails the test (and returns null) without one.
template <class Control> Control* control(QWidget* window, const QString& name) {
    auto* found = window ? window->findChild<Control*>(name) : nullptr;
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(name)), __FILE__, __LINE__);
    return found;
}
