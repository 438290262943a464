#include "ActionLog.h"
#include "ResultTable.h"
#include "SessionBench.h"

#include <QProcess>
#include <QTemporaryFile>

#include <algorithm>
#include <numeric>

namespace {

// Slower than this, a user notices the wait.
constexpr double TargetMs = 5.0;
constexpr int RunTimeoutMs = 300'000;

std::optional<QList<ActionLog::Action>> runSession(const QString& program, QString& error) {
    QTemporaryFile log;
    if (!log.open()) {
        error = QStringLiteral("no file for the action log");
        return std::nullopt;
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(program, {QStringLiteral("--session-log"), log.fileName()});
    if (!child.waitForFinished(RunTimeoutMs) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        error = QStringLiteral("a session run failed:\n") +
                QString::fromLocal8Bit(child.readAllStandardOutput());
        return std::nullopt;
    }
    std::optional<QList<ActionLog::Action>> actions =
        ActionLog::parse(QString::fromUtf8(log.readAll()));
    if (!actions || actions->isEmpty())
        error = QStringLiteral("a session run wrote no action log");
    return actions;
}

// Each action's median over the runs; none unless every run took the same actions.
std::optional<QList<ActionLog::Action>> medianActions(const QList<QList<ActionLog::Action>>& runs) {
    QList<ActionLog::Action> result = runs.constFirst();
    for (qsizetype i = 0; i < result.size(); ++i) {
        QList<double> handler, withRepaint, cpu;
        for (const QList<ActionLog::Action>& run : runs) {
            if (run.size() != result.size() || run.at(i).name != result.at(i).name)
                return std::nullopt;
            handler.append(run.at(i).handlerNs);
            withRepaint.append(run.at(i).withRepaintNs);
            cpu.append(run.at(i).cpuNs);
        }
        result[i].handlerNs = qint64(median(handler));
        result[i].withRepaintNs = qint64(median(withRepaint));
        result[i].cpuNs = qint64(median(cpu));
    }
    return result;
}

} // namespace

bool reportSessions(const QString& program, int runs, ResultTable& table, int count,
                    QString& slowest, QString& error) {
    QList<QList<ActionLog::Action>> logs;
    for (int run = 0; run < runs; ++run) {
        std::optional<QList<ActionLog::Action>> actions = runSession(program, error);
        if (!actions)
            return false;
        logs.append(*actions);
    }
    const std::optional<QList<ActionLog::Action>> actions = medianActions(logs);
    if (!actions) {
        error = QStringLiteral("the runs took different actions");
        return false;
    }

    using Action = ActionLog::Action;
    const auto worst = [&actions](qint64 Action::*member) {
        return *std::max_element(
            actions->cbegin(), actions->cend(),
            [member](const Action& a, const Action& b) { return a.*member < b.*member; });
    };
    const auto medianOf = [&actions](qint64 Action::*member) {
        QList<double> values;
        for (const Action& action : *actions)
            values.append(double(action.*member));
        return median(values) / 1e6;
    };
    const auto addWorst = [&](const QString& what, qint64 Action::*member, bool judged) {
        const Action found = worst(member);
        const double ms = double(found.*member) / 1e6;
        table.add(QStringLiteral("session: worst action%1 (%2)").arg(what, found.name),
                  ResultTable::milliseconds(ms),
                  judged ? QStringLiteral("<= %1 ms").arg(TargetMs) : QString(),
                  judged ? std::optional<bool>(ms <= TargetMs) : std::nullopt);
    };

    table.add(QStringLiteral("session: user actions (each the median of %1 runs)").arg(runs),
              QString::number(actions->size()));
    table.add(QStringLiteral("session: median action"),
              ResultTable::milliseconds(medianOf(&Action::handlerNs)));
    addWorst(QString(), &Action::handlerNs, true);
    table.add(QStringLiteral("session: median action with its repaint"),
              ResultTable::milliseconds(medianOf(&Action::withRepaintNs)));
    addWorst(QStringLiteral(" with its repaint"), &Action::withRepaintNs, true);
    addWorst(QStringLiteral(", processor time with its repaint"), &Action::cpuNs, false);

    QList<qsizetype> order(actions->size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&actions](qsizetype a, qsizetype b) {
        return actions->at(a).withRepaintNs > actions->at(b).withRepaintNs;
    });
    for (qsizetype i = 0; i < std::min<qsizetype>(count, order.size()); ++i) {
        const Action& action = actions->at(order.at(i));
        slowest += QStringLiteral("action %1 of %2: %3 ms (handler %4 ms, processor %5 ms)  %6\n")
                       .arg(order.at(i) + 1)
                       .arg(actions->size())
                       .arg(action.withRepaintNs / 1e6, 0, 'f', 3)
                       .arg(action.handlerNs / 1e6, 0, 'f', 3)
                       .arg(action.cpuNs / 1e6, 0, 'f', 3)
                       .arg(action.name);
    }
    return true;
}
