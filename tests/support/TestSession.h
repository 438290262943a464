#pragma once

#include "ScriptedPlatform.h"
#include "core/Program.h"

#include <QString>
#include <QTest>
#include <QWidget>

#include <memory>

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

// Gives `window` the keyboard, as a window manager does for the window a user turns to: the focus,
// and with it the default button, moves only in the active window. False if it never became
// active.
bool activate(QWidget* window);

// The control named `name` inside `window`; fails the test (and returns null) without one.
template <class Control> Control* control(QWidget* window, const QString& name) {
    auto* found = window ? window->findChild<Control*>(name) : nullptr;
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(name)), __FILE__, __LINE__);
    return found;
}
