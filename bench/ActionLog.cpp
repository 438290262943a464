#include "ActionLog.h"

#include <QCoreApplication>

#include <ctime>

namespace {

qint64 threadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace

ActionLog::ActionLog() {
    clock_.start();
}

void ActionLog::time(const QString& name, const std::function<void()>& action) {
    nested_.push_back({});
    const qint64 cpuStart = threadCpuNs();
    const qint64 start = clock_.nsecsElapsed();
    action();
    const qint64 handled = clock_.nsecsElapsed();
    QCoreApplication::processEvents();
    const qint64 settled = clock_.nsecsElapsed();
    const qint64 cpu = threadCpuNs() - cpuStart;
    const Nested inner = nested_.back();
    nested_.pop_back();
    actions_.append(
        {name, handled - start - inner.wallNs, settled - start - inner.wallNs, cpu - inner.cpuNs});
    if (!nested_.empty()) {
        nested_.back().wallNs += settled - start;
        nested_.back().cpuNs += cpu;
    }
}

QString ActionLog::text() const {
    QString text;
    for (const Action& action : actions_)
        text += QStringLiteral("%1\t%2\t%3\t%4\n")
                    .arg(action.name)
                    .arg(action.handlerNs)
                    .arg(action.withRepaintNs)
                    .arg(action.cpuNs);
    return text;
}

std::optional<QList<ActionLog::Action>> ActionLog::parse(const QString& text) {
    QList<Action> actions;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 4)
            return std::nullopt;
        bool ok[3] = {};
        actions.append({fields[0], fields[1].toLongLong(&ok[0]), fields[2].toLongLong(&ok[1]),
                        fields[3].toLongLong(&ok[2])});
        if (!ok[0] || !ok[1] || !ok[2])
            return std::nullopt;
    }
    return actions;
}
