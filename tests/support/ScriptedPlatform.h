#pragma once

#include "core/CommonDialog.h"
#include "core/Platform.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <random>

class QDialog;

// A platform for tests: it records every request and hands each to whoever plays the user; its
// random numbers come from a queue, then from a fixed seed, so every run draws the same. A request
// that no one answers fails the current test and is answered with No (or OK, or a cancelled
// dialog, or the window closed), so that no test ever blocks.
class ScriptedPlatform final : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
        QRect keepClear;
        // What the player noted while the box was open.
        QString seen;
    };

    std::function<Answer(Message&)> onMessage;
    std::function<std::optional<QString>(const CommonDialog&)> onOpen;
    std::function<void(QDialog&)> onModal;
    std::deque<double> randoms;

    QList<Message> messages;
    QList<CommonDialog> fileDialogs;
    qsizetype reseeds = 0;
    // Every text said, in order; an empty one where speech was cut off.
    QStringList said;
    bool ended = false;

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   const QRect& keepClear) override;
    bool showOpen(CommonDialog& dialog) override;
    void showModal(QDialog& window) override;
    double random() override;
    void reseedFromClock() override;
    void say(const QString& text) override;
    void endProgram() override;

private:
    std::mt19937_64 generator_{20261206};
};
