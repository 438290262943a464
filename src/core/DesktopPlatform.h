#pragma once

#include "Platform.h"

#include <random>

// The platform of a real desktop: Qt's message boxes and file dialog, modal windows run in their
// own event loop, a clock-seeded generator, and leaving the application's event loops.
class DesktopPlatform final : public Platform {
public:
    DesktopPlatform();

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   const QRect& keepClear) override;
    bool showOpen(CommonDialog& dialog) override;
    void showModal(QDialog& window) override;
    double random() override;
    void reseedFromClock() override;
    void endProgram() override;

private:
    std::mt19937_64 generator_;
};
