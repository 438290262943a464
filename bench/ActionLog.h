#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Times user actions one by one. An action's time runs from delivering its event until its
// handler returns; a second time also takes in the events it left behind (the repaint above all),
// and a third is the processor time the thread spent on both, which leaves out any time the
// system gave to other processes. An action nested inside another, such as typing into a modal
// window that a handler opened, counts on its own and not again in the action around it.
class ActionLog {
public:
    struct Action {
        QString name;
        qint64 handlerNs = 0;
        qint64 withRepaintNs = 0;
        qint64 cpuNs = 0;
    };

    ActionLog();

    void time(const QString& name, const std::function<void()>& action);

    const QList<Action>& actions() const { return actions_; }

    // One action a line, tab-separated; `parse` reads it back, or gives none for anything else.
    QString text() const;
    static std::optional<QList<Action>> parse(const QString& text);

private:
    struct Nested {
        qint64 wallNs = 0;
        qint64 cpuNs = 0;
    };

    QElapsedTimer clock_;
    // For each action under way, the time taken so far by the actions nested in it.
    std::vector<Nested> nested_;
    QList<Action> actions_;
};
