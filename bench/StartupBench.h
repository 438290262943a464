#pragma once

#include <QString>

class ResultTable;

// Starts the bare window and Tovrin `runs` times each, alternating, on the Qt platform plugin
// `platform`, and adds to `table` the median time from starting the process to the first paint
// of its window, the median peak memory, and Tovrin's figures against the bare window's.
// `folder` holds the two start-up programs. False, with `error` set, when a run failed.
bool measureStartup(const QString& folder, const QString& platform, int runs, ResultTable& table,
                    QString& error);
