#include "ResultTable.h"

#include <algorithm>

void ResultTable::add(const QString& figure, const QString& value, const QString& target,
                      std::optional<bool> met) {
    rows_.append({figure, value, target, met});
}

QString ResultTable::text() const {
    qsizetype figureWidth = 6;
    qsizetype valueWidth = 5;
    qsizetype targetWidth = 6;
    for (const Row& row : rows_) {
        figureWidth = std::max(figureWidth, row.figure.size());
        valueWidth = std::max(valueWidth, row.value.size());
        targetWidth = std::max(targetWidth, row.target.size());
    }
    const auto line = [&](const QString& figure, const QString& value, const QString& target,
                          const QString& verdict) {
        return figure.leftJustified(figureWidth) + QLatin1String("  ") +
               value.rightJustified(valueWidth) + QLatin1String("  ") +
               target.leftJustified(targetWidth) + QLatin1String("  ") + verdict + u'\n';
    };
    QString text = line(QStringLiteral("figure"), QStringLiteral("value"), QStringLiteral("target"),
                        QStringLiteral("verdict"));
    for (const Row& row : rows_)
        text += line(row.figure, row.value, row.target.isEmpty() ? QStringLiteral("-") : row.target,
                     !row.met ? QStringLiteral("info")
                              : (*row.met ? QStringLiteral("PASS") : QStringLiteral("MISS")));
    return text;
}

int ResultTable::missed() const {
    return int(std::count_if(rows_.cbegin(), rows_.cend(),
                             [](const Row& row) { return row.met == false; }));
}

QString ResultTable::milliseconds(double ms) {
    return QString::number(ms, 'f', ms < 10 ? 3 : 1) + QLatin1String(" ms");
}

QString ResultTable::mebibytes(double bytes) {
    return QString::number(bytes / (1024.0 * 1024.0), 'f', 1) + QLatin1String(" MiB");
}

QString ResultTable::ratio(double value) {
    return QString::number(value, 'f', 2);
}

double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}
