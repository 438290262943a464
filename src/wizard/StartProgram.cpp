#include "StartProgram.h"

#include "core/Program.h"
#include "screens/ScreenFont.h"
#include "wizard/frmWizard.h"

#include <QApplication>
#include <QIcon>

void startProgram(Program& program) {
    // Message boxes and the file dialog take the application's face: the plain sans-serif one
    // of the windows, not whatever the desktop's fonts happen to resolve "sans-serif" to.
    QApplication::setFont(screenFont(QApplication::font().pointSizeF(), false));
    // The icon on every window, and the menu entry a dock ties the windows to.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.tovrin.Tovrin.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tovrin.Tovrin"));
    if (frmWizard* wizard = program.wizard.use())
        wizard->show();
}
