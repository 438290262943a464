#pragma once

#include <QByteArray>
#include <QString>

#include <unistd.h>

// The calls through which a save learns what the disk made of its new file. A failing disk (full,
// gone, a network share that drops the connection) says so at any of them, the last two included;
// tests put such a disk in their place.
struct FileCalls {
    ssize_t (*write)(int, const void*, size_t) = ::write;
    int (*fdatasync)(int) = ::fdatasync;
    int (*close)(int) = ::close;
};

// Replaces the file at `path` with `bytes` whole, or leaves it untouched: the bytes go to a new
// file beside it, under a short name, that takes the file's name only once every write, the sync
// to the disk and the close have succeeded. Only a regular file is ever replaced, never a folder,
// FIFO or device; a link is followed to the file it names. On failure `reason` says why, for the
// user.
bool saveAtomically(const QString& path, const QByteArray& bytes, QString& reason,
                    const FileCalls& calls = {});
