#pragma once

#include "core/CommonDialog.h"
#include "core/Platform.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <random>

class QDialog;

// A platform for tests: it records every request and answers from a script; its random numbers
// come from a script too, then from a fixed seed, so every run draws the same. A modal box or
// window that the script does not expect fails the current test at once and is answered with
// No (or OK, or a cancelled dialog), so that no test ever blocks.
class ScriptedPlatform final : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
        QRect keepClear;
        // What `snapshot` saw while the box was open.
        QString seen;
    };

    // The next message box is answered with `answer`; `whileOpen` runs while it is open.
    void answer(Answer answer, std::function<void()> whileOpen = {});
    // The next file dialog returns `name`, or is cancelled when there is none.
    void chooseFile(std::optional<QString> name);
    // The next modal window is driven by `drive`, which must close it.
    void driveModal(std::function<void(QDialog&)> drive);
    // The next calls of random() return these numbers, each in [0, 1), in order; after them the
    // fixed-seed generator takes over.
    void queueRandom(const QList<double>& numbers);

    // How many scripted answers and queued random numbers were never asked for.
    int unusedAnswers() const;

    // Called as each message box opens; what it returns is kept with the message.
    std::function<QString()> snapshot;
    QList<Message> messages;
    QList<CommonDialog> fileDialogs;
    int modalWindows = 0;
    qsizetype reseeds = 0;
    bool ended = false;

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   const QRect& keepClear) override;
    bool showOpen(CommonDialog& dialog) override;
    void showModal(QDialog& window) override;
    double random() override;
    void reseedFromClock() override;
    void endProgram() override;

private:
    struct ScriptedAnswer {
        Answer answer;
        std::function<void()> whileOpen;
    };
    std::deque<ScriptedAnswer> answers_;
    std::deque<std::optional<QString>> files_;
    std::deque<std::function<void(QDialog&)>> modals_;
    std::deque<double> randoms_;
    std::mt19937_64 generator_{20261206};
};
