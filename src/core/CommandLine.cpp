#include "CommandLine.h"

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
    return QStringLiteral("Usage: tovrin [--no-speech]\n"
                          "The day's spelling practice: a teacher types a list of words, and a\n"
                          "child practises them until they can be typed from memory.\n"
                          "\n"
                          "  --no-speech   do not say the words aloud\n"
                          "  -h, --help    show this help and end\n");
}
