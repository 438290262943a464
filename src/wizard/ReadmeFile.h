#pragma once

#include <QString>

// Where the readme request reads readme.txt: the current folder's, whatever kind of file it is;
// only when the current folder has none at all, the copy in `installedFolder` (the one installed
// with the program) if that exists. Empty `installedFolder` means there is no installed copy.
QString readmePath(const QString& installedFolder);

// The folder of the readme.txt installed with the program. It is found from the program's own
// folder, so a moved installation finds its own copy.
QString installedReadmeFolder();

// The folder of the guide in `language` ("de") installed beside the English one in `folder`: the
// subfolder named for the language when it holds a readme.txt, else `folder`, the English guide's.
QString guideFolder(const QString& folder, const QString& language);

// readme.txt, read whole when the user asks for it: at most 64 KiB, and only a regular file.
// On failure `reason` says why, in words for the user.
bool readReadme(const QString& path, QString& text, QString& reason);

// The text as the viewer shows it: every kind of line end (CR LF, LF, CR) breaks the line, control
// characters show as their visible symbols, so that none cuts the text short, and a line too long
// to read on a screen is broken, so that any file is shown at once.
QString readmeDisplayText(const QString& text);
