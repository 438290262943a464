#include "ScriptedPlatform.h"

#include <QDialog>
#include <QTest>

#include <cmath>

namespace {
void fail(const QString& what) {
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
}
} // namespace

Platform::Answer ScriptedPlatform::message(const QString& text, const QString& title,
                                           Buttons buttons, Icon icon, const QRect& keepClear) {
    messages.append({text, title, buttons, icon, keepClear, {}});
    if (onMessage)
        return onMessage(messages.last());
    fail(QStringLiteral("unexpected message box: \"%1\"").arg(text));
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

bool ScriptedPlatform::showOpen(CommonDialog& dialog) {
    fileDialogs.append(dialog);
    const std::optional<QString> name = onOpen ? onOpen(dialog) : std::nullopt;
    if (!onOpen)
        fail(QStringLiteral("unexpected file dialog"));
    if (name)
        dialog.FileName = *name;
    return name.has_value();
}

void ScriptedPlatform::showModal(QDialog& window) {
    window.setModal(true);
    window.show();
    if (onModal)
        onModal(window);
    if (window.isVisible()) {
        fail(QStringLiteral("modal window %1 was left open").arg(window.objectName()));
        window.close();
    }
}

double ScriptedPlatform::random() {
    if (randoms.empty())
        return std::ldexp(static_cast<double>(generator_() >> 11), -53);
    const double next = randoms.front();
    randoms.pop_front();
    return next;
}

// The generator keeps its fixed seed, so that tests stay repeatable.
void ScriptedPlatform::reseedFromClock() {
    ++reseeds;
}

void ScriptedPlatform::say(const QString& text) {
    said.append(text);
}

void ScriptedPlatform::endProgram() {
    ended = true;
}
