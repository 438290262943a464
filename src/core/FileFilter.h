#pragma once

#include <QString>
#include <QStringList>

// Turns a dialog filter list in the form "description|pattern|description|pattern" into Qt's
// name filters, one per entry. "*.*" means every file, names without a dot included.
QStringList qtNameFilters(const QString& filter);
