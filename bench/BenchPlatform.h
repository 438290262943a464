#pragma once

#include "core/CommonDialog.h"
#include "core/Platform.h"

#include <QDialog>
#include <QRandomGenerator>

// The benchmark's platform: every message box is answered at once with OK or Yes, the file
// dialog chooses `fileName`, a modal window closes at once, the random numbers come from a fixed
// seed, and nothing is said. It needs no script, so an action can be repeated as often as the
// timing wants.
class BenchPlatform final : public Platform {
public:
    QString fileName;

    Answer message(const QString&, const QString&, Buttons buttons, Icon, const QRect&) override {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    bool showOpen(CommonDialog& dialog) override {
        dialog.FileName = fileName;
        return true;
    }
    void showModal(QDialog& window) override { window.close(); }
    double random() override { return generator_.generateDouble(); }
    void reseedFromClock() override {}
    void say(const QString&) override {}
    void endProgram() override {}

private:
    QRandomGenerator generator_{1};
};
