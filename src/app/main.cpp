#include "core/DesktopPlatform.h"
#include "core/Program.h"
#include "core/Translations.h"
#include "wizard/ReadmeFile.h"
#include "wizard/StartProgram.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(Program::Title);
    // The desktop's languages (LANGUAGE, else LC_ALL, LC_MESSAGES or LANG), most wanted first.
    const Translations translations(QLocale::system().uiLanguages());
    DesktopPlatform platform;
    Program program(platform);
    program.installedReadmeFolder = guideFolder(installedReadmeFolder(), translations.language());
    startProgram(program);
    // Ending before the event loop runs would leave nothing to quit it.
    return program.hasEnded() ? 0 : QApplication::exec();
}
