#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes` whole, or leaves it untouched: the bytes go to a new
// file beside it that takes its name only once everything was written. Only a regular file is
// ever replaced, never a folder, FIFO or device. On failure `reason` says why, for the user.
bool saveAtomically(const QString& path, const QByteArray& bytes, QString& reason);
