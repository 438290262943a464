#include "SayAgainKey.h"

#include <QShortcut>
#include <QWidget>

QShortcut* makeSayAgainKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F5), window);
    key->setObjectName(QStringLiteral("SayAgain"));
    key->setAutoRepeat(false);
    window->setToolTip(QStringLiteral("Press F5 to hear the word again."));
    return key;
}
