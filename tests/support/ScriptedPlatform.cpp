#include "ScriptedPlatform.h"

#include <QDialog>
#include <QPointer>
#include <QTest>

#include <cmath>

namespace {
void fail(const QString& what) {
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
}
} // namespace

void ScriptedPlatform::answer(Answer answer, std::function<void()> whileOpen) {
    answers_.push_back({answer, std::move(whileOpen)});
}

void ScriptedPlatform::chooseFile(std::optional<QString> name) {
    files_.push_back(std::move(name));
}

void ScriptedPlatform::driveModal(std::function<void(QDialog&)> drive) {
    modals_.push_back(std::move(drive));
}

void ScriptedPlatform::queueRandom(const QList<double>& numbers) {
    randoms_.insert(randoms_.end(), numbers.begin(), numbers.end());
}

int ScriptedPlatform::unusedAnswers() const {
    return static_cast<int>(answers_.size() + files_.size() + modals_.size() + randoms_.size());
}

Platform::Answer ScriptedPlatform::message(const QString& text, const QString& title,
                                           Buttons buttons, Icon icon, const QRect& keepClear) {
    messages.append({text, title, buttons, icon, keepClear, snapshot ? snapshot() : QString()});
    const Answer fallback = buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    if (answers_.empty()) {
        fail(QStringLiteral("unexpected message box: \"%1\"").arg(text));
        return fallback;
    }
    ScriptedAnswer next = std::move(answers_.front());
    answers_.pop_front();
    if ((buttons == Buttons::YesNo) != (next.answer != Answer::Ok)) {
        fail(QStringLiteral("scripted answer does not fit the buttons of \"%1\"").arg(text));
        return fallback;
    }
    if (next.whileOpen)
        next.whileOpen();
    return next.answer;
}

bool ScriptedPlatform::showOpen(CommonDialog& dialog) {
    fileDialogs.append(dialog);
    if (files_.empty()) {
        fail(QStringLiteral("unexpected file dialog"));
        return false;
    }
    const std::optional<QString> name = std::move(files_.front());
    files_.pop_front();
    if (name)
        dialog.FileName = *name;
    return name.has_value();
}

void ScriptedPlatform::showModal(QDialog& window) {
    ++modalWindows;
    if (modals_.empty()) {
        fail(QStringLiteral("unexpected modal window %1").arg(window.objectName()));
        window.close();
        return;
    }
    auto drive = std::move(modals_.front());
    modals_.pop_front();
    window.setModal(true);
    window.show();
    QPointer<QDialog> guard = &window;
    drive(window);
    if (guard && guard->isVisible()) {
        fail(QStringLiteral("modal window %1 was left open").arg(window.objectName()));
        guard->close();
    }
}

double ScriptedPlatform::random() {
    if (randoms_.empty())
        return std::ldexp(static_cast<double>(generator_() >> 11), -53);
    const double next = randoms_.front();
    randoms_.pop_front();
    return next;
}

// The generator keeps its fixed seed, so that tests stay repeatable.
void ScriptedPlatform::reseedFromClock() {
    ++reseeds;
}

void ScriptedPlatform::endProgram() {
    ended = true;
}
