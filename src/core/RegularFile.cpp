#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool openRegularFile(const QString& path, QFile& file, QString& reason) {
    // Opening a FIFO for reading waits for a writer unless it is opened without blocking; the
    // type is then checked on the open descriptor, so nothing can swap the file in between.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        reason = notRegularFileReason(S_ISDIR(status.st_mode));
        ::close(descriptor);
        return false;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString();
        ::close(descriptor);
        return false;
    }
    return true;
}

QString notRegularFileReason(bool folder) {
    return folder ? QCoreApplication::translate("RegularFile", "it is a folder")
                  : QCoreApplication::translate("RegularFile", "it is not a regular file");
}
