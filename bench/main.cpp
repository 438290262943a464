// The benchmark runner: start-up against a bare window, a whole session action by action, and
// hostile input files; prints one table.
//
//   tovrin_bench [--runs N] [--sessions N] [--slowest N] [--only startup|session|files]
//
// Start-up is measured on Qt's offscreen platform, and on X as well when DISPLAY is set. The
// session runs --sessions times, each in a fresh process started as
// `tovrin_bench --session-log FILE`, which writes its action log to FILE; --slowest lists that many
// of the slowest actions after the table. The files are measured offscreen in this process.

#include "HostileInputBench.h"
#include "ResultTable.h"
#include "SessionBench.h"
#include "StartupBench.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {

struct Options {
    int runs = 20;
    int sessions = 7;
    int slowest = 0;
    QString only;
    QString sessionLog;
};

Options parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const bool valued = i + 1 < argc;
        if (valued && std::strcmp(argv[i], "--session-log") == 0)
            options.sessionLog = QString::fromLocal8Bit(argv[++i]);
        else if (valued && std::strcmp(argv[i], "--runs") == 0)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else if (valued && std::strcmp(argv[i], "--sessions") == 0)
            options.sessions = std::max(1, std::atoi(argv[++i]));
        else if (valued && std::strcmp(argv[i], "--slowest") == 0)
            options.slowest = std::max(0, std::atoi(argv[++i]));
        else if (valued && std::strcmp(argv[i], "--only") == 0)
            options.only = QString::fromLocal8Bit(argv[++i]);
    }
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parse(argc, argv);
    const auto wanted = [&options](const char* part) {
        return options.only.isEmpty() || options.only == QLatin1String(part);
    };
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    ResultTable table;
    QString slowest;
    int failures = 0;

    if (options.sessionLog.isEmpty() && wanted("startup")) {
        QStringList platforms{QStringLiteral("offscreen")};
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            platforms.append(QStringLiteral("xcb"));
        for (const QString& platform : platforms) {
            QString error;
            if (!measureStartup(QFileInfo(self).path(), platform, options.runs, table, error)) {
                std::fprintf(stderr, "start-up on %s: %s\n", qPrintable(platform),
                             qPrintable(error));
                ++failures;
            }
        }
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    // Only failures are reported: standard output carries the results.
    const QStringList quiet{self, QStringLiteral("-silent")};
    if (!options.sessionLog.isEmpty()) {
        SessionBench session;
        const int failed = QTest::qExec(&session, quiet);
        QFile log(options.sessionLog);
        const QByteArray text = session.log().toUtf8();
        const bool written = log.open(QIODevice::WriteOnly) && log.write(text) == text.size();
        return failed != 0 || !written ? 1 : 0;
    }
    if (wanted("session")) {
        QString error;
        if (!reportSessions(self, options.sessions, table, options.slowest, slowest, error)) {
            std::fprintf(stderr, "session: %s\n", qPrintable(error));
            ++failures;
        }
    }
    if (wanted("files")) {
        HostileInputBench hostile(table, options.runs);
        failures += QTest::qExec(&hostile, quiet);
    }

    std::fputs(qPrintable(table.text()), stdout);
    if (!slowest.isEmpty())
        std::printf("\nThe slowest user actions of the session, with their repaint:\n%s",
                    qPrintable(slowest));
    std::printf("%d of the targets missed%s\n", table.missed(),
                failures ? ", and some measurements failed (see above)" : "");
    return failures ? 1 : 0;
}
