#pragma once

#include <QString>

class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRect;
class QWidget;
class FittingLabel;
class OptionButton;

// Builders for the controls of the window definitions: each gets its given name as object name,
// its caption or text and its place in its container (in pixels).

struct LabelLook {
    bool centred = false;
    // In the system's window text colour rather than the button text colour.
    bool windowText = false;
};

// A label draws only its text, wrapped at word boundaries, beneath every other control of its
// container: each label's background is the colour of what lies under it, and filling it would only
// stand out against the shading of a frame.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& place,
                  LabelLook look);
// A label of one line that shrinks its font, when it must, to show its whole caption.
FittingLabel* makeFittingLabel(QWidget* parent, const char* name, const QRect& place,
                               const QFont& font, LabelLook look);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place);
OptionButton* makeOption(QWidget* parent, const char* name, const QString& caption,
                         const QRect& place);
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, const QRect& place);
QLineEdit* makeLineEdit(QWidget* parent, const char* name, const QRect& place, const QFont& font);
// A read-only multi-line box: nothing reads its text back, so typing into it would mislead.
QPlainTextEdit* makeTextBox(QWidget* parent, const char* name, const QString& text,
                            const QRect& place);
