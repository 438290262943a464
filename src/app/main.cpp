#include "core/DesktopPlatform.h"
#include "core/Program.h"
#include "wizard/ReadmeFile.h"
#include "wizard/StartProgram.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(Program::Title);
    DesktopPlatform platform;
    Program program(platform);
    program.installedReadmeFolder = installedReadmeFolder();
    startProgram(program);
    // Ending before the event loop runs would leave nothing to quit it.
    return program.hasEnded() ? 0 : QApplication::exec();
}
