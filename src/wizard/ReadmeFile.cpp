#include "ReadmeFile.h"

#include "core/EightBitText.h"
#include "core/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// A guide is a few KiB. The viewer's cost grows with the lines it holds, so up to this size even a
// file of nothing but line ends is shown at once.
constexpr qint64 MaxReadmeBytes = 64 * 1024;
const char* const TooLarge = QT_TRANSLATE_NOOP("ReadmeFile", "it is larger than 64 KiB");
// The viewer lays out a whole line whenever any of it is on show, and does so anew as it scrolls:
// a longer line is shown broken into lines of this length, so no line costs more than a glance.
constexpr qsizetype LongestShownLine = 1000;
const QString ReadmeName = QStringLiteral("readme.txt");

// A dangling link counts as a file here: it is the user's readme, and reading it says what is
// wrong.
bool anyFileAt(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}
} // namespace

QString readmePath(const QString& installedFolder) {
    if (installedFolder.isEmpty() || anyFileAt(ReadmeName))
        return ReadmeName;
    const QString installed = QDir(installedFolder).filePath(ReadmeName);
    return anyFileAt(installed) ? installed : ReadmeName;
}

QString guideFolder(const QString& folder, const QString& language) {
    if (folder.isEmpty() || language.isEmpty())
        return folder;
    const QString translated = QDir(folder).filePath(language);
    return anyFileAt(QDir(translated).filePath(ReadmeName)) ? translated : folder;
}

QString installedReadmeFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                           QStringLiteral(TOVRIN_README_FROM_PROGRAM));
}

bool readReadme(const QString& path, QString& text, QString& reason) {
    QFile file;
    if (!openRegularFile(path, file, reason))
        return false;
    if (file.size() > MaxReadmeBytes) {
        reason = QCoreApplication::translate("ReadmeFile", TooLarge);
        return false;
    }
    // One byte more than allowed tells a file that grew since its size was taken.
    const QByteArray bytes = file.read(MaxReadmeBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return false;
    }
    if (bytes.size() > MaxReadmeBytes) {
        reason = QCoreApplication::translate("ReadmeFile", TooLarge);
        return false;
    }
    text = decodeEightBit(bytes);
    return true;
}

QString readmeDisplayText(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QString shown;
    shown.reserve(lines.size() + lines.size() / LongestShownLine + 1);
    qsizetype lineLength = 0;
    for (const QChar character : std::as_const(lines)) {
        const char16_t code = character.unicode();
        // Never between the two halves of a surrogate pair.
        if (code != u'\n' && lineLength >= LongestShownLine && !character.isLowSurrogate()) {
            shown.append(u'\n');
            lineLength = 0;
        }
        lineLength = code == u'\n' ? 0 : lineLength + 1;
        if (code == u'\n' || code == u'\t')
            shown.append(character);
        else if (code < 0x20)
            shown.append(QChar(char16_t(0x2400 + code)));
        else if (code == 0x7F)
            shown.append(QChar(char16_t(0x2421)));
        else
            shown.append(character);
    }
    return shown;
}
