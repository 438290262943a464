#include "CommandLine.h"

#include <QCoreApplication>

CommandLine readCommandLine(const QStringList& arguments) {
    CommandLine line;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--no-speech"))
            line.speech = false;
        else if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            line.help = true;
        else
            line.others.append(argument);
    }
    return line;
}

QString commandLineHelp() {
    //: The help in a terminal. The command and its options stay as they are; the lines are at most
    //: 72 characters long.
    return QCoreApplication::translate(
        "CommandLine", "Usage: tovrin [--no-speech]\n"
                       "The day's spelling practice: a teacher types a list of words, and a\n"
                       "child practises them until they can be typed from memory.\n"
                       "\n"
                       "  --no-speech   do not say the words aloud\n"
                       "  -h, --help    show this help and end\n");
}

QString unknownOption(const QString& argument) {
    //: In a terminal, before the help: %1 is what was typed.
    return QCoreApplication::translate("CommandLine", "tovrin: unknown option %1").arg(argument);
}
