#include "FileFilter.h"

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        QString patterns = parts.at(i + 1).trimmed();
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        // The description usually repeats its patterns in brackets; Qt reads the patterns from
        // the last bracket, so put the real ones there.
        const qsizetype bracket = description.lastIndexOf(QLatin1Char('('));
        if (bracket > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(bracket).trimmed();
        filters.append(description + QLatin1String(" (") +
                       patterns.replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}
