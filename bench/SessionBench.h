#pragma once

#include "ActionLog.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QAbstractButton;
class QWidget;
class ResultTable;
struct TestSession;

// A whole session through the windows on the scripted platform, every user action timed: the
// teacher types 30 words key by key, saves the list and hands it over; the student practises
// every word through its recall, two passes; then the saved list is loaded through the wizard.
// Run by QTest::qExec, so that anything unexpected fails it.
class SessionBench : public QObject {
    Q_OBJECT

public:
    SessionBench();
    ~SessionBench() override;

    // Every action timed, as ActionLog::text gives it.
    QString log() const { return log_.text(); }

private slots:
    void wholeSession();
    void cleanup();

private:
    void startSession();
    void click(const QString& name, QAbstractButton* button);
    // Key by key, then Enter.
    void type(const QString& what, QWidget* box, const QString& text);
    // One pass over the list; the first word's first attempt is wrong when `wrongOnce`. The
    // summary is answered `more`.
    void practisePass(bool wrongOnce, bool more);

    ActionLog log_;
    std::unique_ptr<TestSession> session_;
};

// Runs the session `runs` times, each in a fresh process (`program --session-log FILE`), and adds
// to `table` the number of actions and the median and worst action, each action's time being its
// median over the runs: a time slice lost to another process now and then does not count, but
// whatever every run pays, such as the first paint of a window, does. False, with `error` set,
// when a run failed. `slowest` receives a list of the `count` slowest actions with their repaint.
bool reportSessions(const QString& program, int runs, ResultTable& table, int count,
                    QString& slowest, QString& error);
