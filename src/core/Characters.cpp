#include "Characters.h"

#include <QTextBoundaryFinder>

QStringList characters(const QString& word) {
    QStringList result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        result.append(word.mid(start, end - start));
        start = end;
    }
    return result;
}

qsizetype characterCount(const QString& word) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    qsizetype count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}
