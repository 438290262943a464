#include "AtomicSave.h"

#include "RegularFile.h"

#include <QFileInfo>
#include <QSaveFile>

bool saveAtomically(const QString& path, const QByteArray& bytes, QString& reason) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        reason = notRegularFileReason(target.isDir());
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    // commit() may report success although a write failed (a full disk), so each step is
    // checked before the new file takes the old one's place.
    const bool written =
        file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written || !file.commit()) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
