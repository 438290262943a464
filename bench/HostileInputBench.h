#pragma once

#include <QObject>
#include <QTemporaryDir>

#include <memory>

class ResultTable;
struct TestSession;

// Files a user might pick by mistake, or an attacker might leave: a 1 GiB word list (sparse,
// a few words and then nothing but NUL bytes) against a 1 KiB one of the same kind, loaded
// through the wizard; readmes of 64 KiB, the most the viewer shows, of the kinds that cost it most,
// and one a byte larger, which it refuses. Time and peak memory of each. Run by QTest::qExec.
class HostileInputBench : public QObject {
    Q_OBJECT

public:
    HostileInputBench(ResultTable& table, int repeats);
    ~HostileInputBench() override;

private slots:
    void init();
    void cleanup();
    void hugeWordList();
    void largeReadme();

private:
    struct Measured {
        double ms = 0;
        double peakBytes = 0;
    };
    // One load through the wizard, from page 1 to the review and back.
    Measured loadList(const QString& path);
    Measured showReadme();

    ResultTable& table_;
    int repeats_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<TestSession> session_;
};
