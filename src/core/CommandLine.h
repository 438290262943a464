#pragma once

#include <QString>
#include <QStringList>

// What Tovrin is asked for on its command line. Nothing of it is stored.
struct CommandLine {
    bool speech = true;
    bool help = false;
    // The arguments that are none of Tovrin's own, in order.
    QStringList others;
};

// Reads `arguments`, the program's name left out. Qt's own options (-platform, -style, …) are
// among the others until the application object has taken them out.
CommandLine readCommandLine(const QStringList& arguments);

// What --help prints.
QString commandLineHelp();
// What is said of an argument that is none of Tovrin's.
QString unknownOption(const QString& argument);
