#pragma once

#include "Platform.h"

#include <random>

class DesktopSpeech;

// The platform of a real desktop: Qt's message boxes and file dialog, modal windows run in their
// own event loop, a clock-seeded generator, speech, and leaving the application's event loops.
class DesktopPlatform final : public Platform {
public:
    // Words are said through `speech`; without it nothing is said.
    explicit DesktopPlatform(DesktopSpeech* speech = nullptr);

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   const QRect& keepClear) override;
    bool showOpen(CommonDialog& dialog) override;
    void showModal(QDialog& window) override;
    double random() override;
    void reseedFromClock() override;
    void say(const QString& text) override;
    void endProgram() override;

private:
    std::mt19937_64 generator_;
    DesktopSpeech* speech_;
};
