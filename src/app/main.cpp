#include "core/CommandLine.h"
#include "core/DesktopPlatform.h"
#include "core/DesktopSpeech.h"
#include "core/Program.h"
#include "core/Translations.h"
#include "wizard/ReadmeFile.h"
#include "wizard/StartProgram.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The desktop's languages (LANGUAGE, else LC_ALL, LC_MESSAGES or LANG), most wanted first.
QStringList desktopLanguages() {
    return QLocale::system().uiLanguages();
}

} // namespace

int main(int argc, char* argv[]) {
    if (readCommandLine(argumentsOf(argc, argv)).help) {
        // The help needs the texts only, not a display.
        QCoreApplication application(argc, argv);
        const Translations translations(desktopLanguages());
        std::fputs(qPrintable(commandLineHelp()), stdout);
        return EXIT_SUCCESS;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(Program::Title);
    const Translations translations(desktopLanguages());
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments().mid(1));
    if (!commandLine.others.isEmpty()) {
        std::fputs(
            qPrintable(unknownOption(commandLine.others.first()) + u'\n' + commandLineHelp()),
            stderr);
        return 2;
    }
    // speech-dispatcher speaks most languages, and a screen reader may have it running already;
    // flite speaks English, with nothing running.
    DesktopSpeech speech(installedSpeechModule(),
                         {QStringLiteral("speechd"), QStringLiteral("flite")}, QLocale::system());
    DesktopPlatform platform(commandLine.speech ? &speech : nullptr);
    Program program(platform);
    program.installedReadmeFolder = guideFolder(installedReadmeFolder(), translations.language());
    startProgram(program);
    // Ending before the event loop runs would leave nothing to quit it.
    const int status = program.hasEnded() ? 0 : QApplication::exec();
    speech.end();
    // The speech libraries do not end cleanly: Qt Multimedia's PulseAudio clean-up at exit aborts
    // the process now and then, and an engine that never answered still holds a thread. Nothing
    // is left to save, so the process ends here, without the clean-up that runs at exit.
    if (speech.loaded())
        std::_Exit(status);
    return status;
}
