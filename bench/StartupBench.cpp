#include "StartupBench.h"

#include "MonotonicClock.h"
#include "ResultTable.h"

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>

#include <optional>
#include <vector>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A child that has shown nothing by then has hung.
constexpr int RunTimeoutMs = 60'000;

struct Run {
    double firstPaintMs = 0;
    double frameDoneMs = 0;
    double peakBytes = 0;
};

struct Figures {
    QList<double> firstPaintMs;
    QList<double> frameDoneMs;
    QList<double> peakBytes;
};

// Reads everything the child writes to `descriptor` until it closes it, or gives up.
std::optional<QByteArray> readAll(int descriptor) {
    QByteArray output;
    const qint64 deadline = monotonicNanoseconds() + qint64(RunTimeoutMs) * 1'000'000;
    for (;;) {
        const qint64 leftMs = (deadline - monotonicNanoseconds()) / 1'000'000;
        pollfd watched{descriptor, POLLIN, 0};
        if (leftMs <= 0 || poll(&watched, 1, int(leftMs)) == 0)
            return std::nullopt;
        char buffer[256];
        const ssize_t size = ::read(descriptor, buffer, sizeof buffer);
        if (size < 0 && errno == EINTR)
            continue;
        if (size <= 0)
            return output;
        output.append(buffer, size);
    }
}

// One start of `program`, timed from just before the process is created.
std::optional<Run> runOnce(const QByteArray& program, const std::vector<QByteArray>& environment,
                           QString& error) {
    std::vector<char*> envp;
    for (const QByteArray& entry : environment)
        envp.push_back(const_cast<char*>(entry.constData()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.constData()), nullptr};

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        error = QStringLiteral("no pipe");
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);

    const qint64 started = monotonicNanoseconds();
    pid_t child = 0;
    const int failed =
        posix_spawn(&child, program.constData(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (failed != 0) {
        ::close(pipeEnds[0]);
        error = QStringLiteral("cannot start %1").arg(QString::fromLocal8Bit(program));
        return std::nullopt;
    }
    const std::optional<QByteArray> output = readAll(pipeEnds[0]);
    ::close(pipeEnds[0]);
    if (!output)
        ::kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }

    // "first-paint N frame-done N"
    const QList<QByteArray> fields = output.value_or(QByteArray()).trimmed().split(' ');
    if (!output || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || fields.size() != 4 ||
        fields[0] != "first-paint" || fields[2] != "frame-done") {
        error = QStringLiteral("%1 did not report its first paint (output \"%2\")")
                    .arg(QString::fromLocal8Bit(program),
                         QString::fromLocal8Bit(output.value_or("none")));
        return std::nullopt;
    }
    return Run{(fields[1].toLongLong() - started) / 1e6, (fields[3].toLongLong() - started) / 1e6,
               usage.ru_maxrss * 1024.0};
}

std::vector<QByteArray> childEnvironment(const QString& platform) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    std::vector<QByteArray> entries;
    for (const QString& name : environment.keys())
        entries.push_back((name + u'=' + environment.value(name)).toLocal8Bit());
    return entries;
}

} // namespace

bool measureStartup(const QString& folder, const QString& platform, int runs, ResultTable& table,
                    QString& error) {
    const std::vector<QByteArray> environment = childEnvironment(platform);
    const QByteArray programs[2] = {(folder + QLatin1String("/tovrin_bench_bare")).toLocal8Bit(),
                                    (folder + QLatin1String("/tovrin_bench_start")).toLocal8Bit()};
    Figures figures[2];
    // One start of each to warm the file cache and the font cache; not counted.
    for (const QByteArray& program : programs)
        if (!runOnce(program, environment, error))
            return false;
    for (int run = 0; run < runs; ++run) {
        // Alternating which goes first spreads any drift of the machine over both.
        for (int k = 0; k < 2; ++k) {
            const int which = (run + k) % 2;
            const std::optional<Run> measured = runOnce(programs[which], environment, error);
            if (!measured)
                return false;
            figures[which].firstPaintMs.append(measured->firstPaintMs);
            figures[which].frameDoneMs.append(measured->frameDoneMs);
            figures[which].peakBytes.append(measured->peakBytes);
        }
    }

    const Figures& bare = figures[0];
    const Figures& tovrin = figures[1];
    const QString on = QStringLiteral(" (%1, median of %2)").arg(platform).arg(runs);
    table.add(QStringLiteral("start-up to first paint, bare window") + on,
              ResultTable::milliseconds(median(bare.firstPaintMs)));
    table.add(QStringLiteral("start-up to first paint, Tovrin") + on,
              ResultTable::milliseconds(median(tovrin.firstPaintMs)));
    const double startRatio = median(tovrin.firstPaintMs) / median(bare.firstPaintMs);
    table.add(QStringLiteral("start-up ratio Tovrin/bare, first paint (%1)").arg(platform),
              ResultTable::ratio(startRatio), QStringLiteral("<= 1.25"), startRatio <= 1.25);
    table.add(QStringLiteral("start-up ratio Tovrin/bare, whole first frame (%1)").arg(platform),
              ResultTable::ratio(median(tovrin.frameDoneMs) / median(bare.frameDoneMs)));
    table.add(QStringLiteral("peak memory at first paint, bare window") + on,
              ResultTable::mebibytes(median(bare.peakBytes)));
    table.add(QStringLiteral("peak memory at first paint, Tovrin") + on,
              ResultTable::mebibytes(median(tovrin.peakBytes)));
    const double extraBytes = median(tovrin.peakBytes) - median(bare.peakBytes);
    table.add(QStringLiteral("peak memory Tovrin - bare (%1)").arg(platform),
              ResultTable::mebibytes(extraBytes), QStringLiteral("<= 10 MiB"),
              extraBytes <= 10.0 * 1024 * 1024);
    return true;
}
