#include "core/DesktopPlatform.h"
#include "core/Program.h"
#include "wizard/StartProgram.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(Program::Title);
    DesktopPlatform platform;
    Program program(platform);
    startProgram(program);
    return QApplication::exec();
}
