#include "core/DesktopPlatform.h"
#include "core/Program.h"
#include "wizard/StartProgram.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(Program::Title);
    DesktopPlatform platform;
    Program program(platform);
    // The build gives the doc folder relative to the program's own, so a moved install still
    // finds it.
    program.installedReadmeFolder = QDir::cleanPath(QApplication::applicationDirPath() + u'/' +
                                                    QStringLiteral(TOVRIN_README_FROM_PROGRAM));
    startProgram(program);
    // Ending before the event loop runs would leave nothing to quit it.
    return program.hasEnded() ? 0 : QApplication::exec();
}
