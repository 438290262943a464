#include "ReadmeScreen.h"

#include "Controls.h"
#include "ScreenFont.h"
#include "Twips.h"

#include <QPlainTextEdit>

ReadmeScreen::ReadmeScreen()
    : ScreenWindow("Form5", QStringLiteral("Form5"), twipsRect(1785, 1530, 6420, 6225),
                   Border::Sizable, Colours::WindowBackground, screenFont(8.25, true)) {
    Text1 = makeTextBox(this, "Text1", QStringLiteral("Text1"), twipsRect(0, 0, 4212, 4332));
    Text1->setFont(screenFont(12, false));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);

    setFocusOrder({Text1});

    // The window's caption becomes the file's name only once it is loaded; the box is that file.
    Text1->setAccessibleName(QStringLiteral("readme.txt"));
}
