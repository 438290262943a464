#pragma once

#include <QRect>
#include <QString>

class QDialog;
struct CommonDialog;

// Everything that a test cannot drive by itself: modal message boxes, the file dialog, modal
// windows, random numbers, speech and the end of the process. The program is handed one of these.
class Platform {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Exclamation };
    enum class Answer { Ok, Yes, No };

    virtual ~Platform() = default;

    // Shows a modal message box and returns the button pressed. A box given an area to keep clear
    // (on the screen) covers nothing of it: what the user must see while the box is open.
    virtual Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                           const QRect& keepClear) = 0;
    // Shows the open-file dialog as `dialog` describes it. On OK the chosen name is stored in
    // `dialog.FileName` and true returned; a cancelled dialog changes nothing.
    virtual bool showOpen(CommonDialog& dialog) = 0;
    // Shows `window` modally and returns once it has closed.
    virtual void showModal(QDialog& window) = 0;
    // A pseudo-random number uniform in [0, 1).
    virtual double random() = 0;
    virtual void reseedFromClock() = 0;
    // Says `text` aloud and returns at once, cutting off whatever is still being said; an empty
    // text only cuts it off. Where nothing can speak, nothing is heard and nothing is shown.
    virtual void say(const QString& text) = 0;
    // Leaves every event loop; the process then ends.
    virtual void endProgram() = 0;

protected:
    Platform() = default;
    Platform(const Platform&) = default;
    Platform& operator=(const Platform&) = default;
};
