#include "MistakeMarking.h"

#include "core/Characters.h"

#include <QStringList>

QString markAttempt(const QString& word, const QString& attempt) {
    const QStringList expected = characters(word);
    QStringList marked = characters(attempt);
    const QString dash = QStringLiteral("-");
    while (marked.size() < expected.size())
        marked.append(dash);
    for (qsizetype j = 0; j < marked.size(); ++j)
        if (j >= expected.size() || marked.at(j) != expected.at(j))
            marked[j] = dash;
    return marked.join(QString());
}
