#pragma once

#include <QString>

class QFile;

// Opens `path` for reading only when it is a regular file: a directory, a FIFO or a device is
// refused without ever blocking on it. On failure `reason` says why, in words for the user.
bool openRegularFile(const QString& path, QFile& file, QString& reason);

// Why a folder, FIFO or device is not used as a file, in words for the user.
QString notRegularFileReason(bool folder);
