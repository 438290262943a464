// Saves a PNG picture of each window, in the states a user meets it in, into the folder given on
// the command line, in the desktop's language as the program itself takes it. The readme viewer
// shows the readme.txt of the current folder.

#include "TestSession.h"
#include "core/Translations.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_windows OUTPUT_DIR\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const Translations translations(QLocale::system().uiLanguages());
    bool saved = true;
    tourWindows([&](QWidget* window, const QString& state) {
        QCoreApplication::processEvents();
        const QString path = folder.filePath(state + QLatin1String(".png"));
        if (window && window->grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            saved = false;
        }
    });
    return saved ? 0 : 1;
}
