#pragma once

#include <QByteArray>
#include <QString>

// Creates or replaces the file at `path` with exactly `bytes`; fails the test if it cannot.
void writeFile(const QString& path, const QByteArray& bytes);
