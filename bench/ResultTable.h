#pragma once

#include <QList>
#include <QString>

#include <optional>

// The benchmark's report: one line per figure with its value, its target and whether the target
// was met. A figure without a target is reported for information.
class ResultTable {
public:
    void add(const QString& figure, const QString& value, const QString& target = QString(),
             std::optional<bool> met = std::nullopt);

    // The table as plain text, one figure a line.
    QString text() const;
    int missed() const;

    static QString milliseconds(double ms);
    static QString mebibytes(double bytes);
    static QString ratio(double value);

private:
    struct Row {
        QString figure;
        QString value;
        QString target;
        std::optional<bool> met;
    };
    QList<Row> rows_;
};

// The middle value, or the mean of the middle two; 0 for none.
double median(QList<double> values);
