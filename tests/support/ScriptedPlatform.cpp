#include "ScriptedPlatform.h"

#include <QDialog>
#include <QTest>

#include <cmath>

void ScriptedPlatform::answer(Answer answer, std::function<void()> whileOpen) {
    answers_.push_back({answer, std::move(whileOpen)});
}

void ScriptedPlatform::chooseFile(std::optional<QString> name) {
    files_.push_back(std::move(name));
}

void ScriptedPlatform::driveModal(std::function<void(QDialog&)> drive) {
    modals_.push_back(std::move(drive));
}

void ScriptedPlatform::queueRandom(std::initializer_list<double> numbers) {
    queueRandom(QList<double>(numbers));
}

void ScriptedPlatform::queueRandom(const QList<double>& numbers) {
    for (double number : numbers) {
        if (number < 0.0 || number >= 1.0)
            QTest::qFail(
                qPrintable(QStringLiteral("queued random number %1 is outside [0, 1)").arg(number)),
                __FILE__, __LINE__);
        else
            randoms_.push_back(number);
    }
}

int ScriptedPlatform::unusedAnswers() const {
    return static_cast<int>(answers_.size() + files_.size() + modals_.size() + randoms_.size());
}

Platform::Answer ScriptedPlatform::message(const QString& text, const QString& title,
                                           Buttons buttons, Icon icon, const QRect& keepClear) {
    messages.append({text, title, buttons, icon, keepClear});
    const Answer fallback = buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    if (answers_.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message box: \"%1\"").arg(text)),
                     __FILE__, __LINE__);
        return fallback;
    }
    ScriptedAnswer next = std::move(answers_.front());
    answers_.pop_front();
    const bool fits = (buttons == Buttons::YesNo) == (next.answer != Answer::Ok);
    if (!fits) {
        QTest::qFail(
            qPrintable(
                QStringLiteral("scripted answer does not fit the buttons of \"%1\"").arg(text)),
            __FILE__, __LINE__);
        return fallback;
    }
    if (next.whileOpen)
        next.whileOpen();
    return next.answer;
}

bool ScriptedPlatform::showOpen(CommonDialog& dialog) {
    fileDialogs.append(dialog);
    if (files_.empty()) {
        QTest::qFail("unexpected file dialog", __FILE__, __LINE__);
        return false;
    }
    const std::optional<QString> name = std::move(files_.front());
    files_.pop_front();
    if (!name)
        return false;
    dialog.FileName = *name;
    return true;
}

void ScriptedPlatform::showModal(QDialog& window) {
    ++modalWindows;
    if (modals_.empty()) {
        QTest::qFail(
            qPrintable(QStringLiteral("unexpected modal window %1").arg(window.objectName())),
            __FILE__, __LINE__);
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
        QTest::qFail(
            qPrintable(QStringLiteral("modal window %1 was left open").arg(window.objectName())),
            __FILE__, __LINE__);
        guard->close();
    }
}

double ScriptedPlatform::random() {
    if (!randoms_.empty()) {
        const double next = randoms_.front();
        randoms_.pop_front();
        return next;
    }
    return std::ldexp(static_cast<double>(generator_() >> 11), -53);
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
