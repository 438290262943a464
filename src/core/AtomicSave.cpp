#include "AtomicSave.h"

#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Creates a new, empty file in `folder` under a name no one uses. The name is short, so that any
// name the folder takes for the list itself can take its place.
int createNewFile(const QByteArray& folder, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.tvr" +
               QByteArray::number(QRandomGenerator::global()->bounded(1u << 30), 36);
        const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                      S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

bool writeAll(int descriptor, const QByteArray& bytes, const FileCalls& calls) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = calls.write(descriptor, bytes.constData() + done,
                                            static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            // A write that takes nothing is a disk that has no more room.
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace

bool saveAtomically(const QString& path, const QByteArray& bytes, QString& reason,
                    const FileCalls& calls) {
    const QFileInfo named(path);
    const QString target = named.isSymLink() && named.exists() ? named.canonicalFilePath() : path;
    const QByteArray targetName = QFile::encodeName(target);
    struct stat existing {};
    const bool replacing = ::stat(targetName.constData(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) {
        reason = notRegularFileReason(S_ISDIR(existing.st_mode));
        return false;
    }

    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    QByteArray newName;
    const int descriptor = createNewFile(folder, newName);
    if (descriptor < 0) {
        reason = systemReason(errno);
        return false;
    }
    // The list keeps the permissions of the file it replaces. Where the file system has none to
    // set, the new file simply keeps its own.
    if (replacing)
        ::fchmod(descriptor, existing.st_mode & 07777);

    int error = 0;
    if (!writeAll(descriptor, bytes, calls) || calls.fdatasync(descriptor) != 0)
        error = errno;
    // The descriptor is gone after close, whatever close returns.
    if (calls.close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(newName.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0) {
        reason = systemReason(error);
        ::unlink(newName.constData());
        return false;
    }
    // The new name lasts through a power cut only once the folder is on the disk too. Should the
    // folder not sync, a crash brings back the earlier list whole, never half of either.
    const int folderDescriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor >= 0) {
        ::fsync(folderDescriptor);
        ::close(folderDescriptor);
    }
    return true;
}
