#pragma once

#include "ScreenWindow.h"

class QPlainTextEdit;

// The readme viewer as it is when created: one text box that never wraps its lines.
class ReadmeScreen : public ScreenWindow {
    Q_OBJECT

public:
    ReadmeScreen();

    QPlainTextEdit* Text1 = nullptr;
};
