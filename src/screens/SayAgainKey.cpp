#include "SayAgainKey.h"

#include <QCoreApplication>
#include <QShortcut>
#include <QWidget>

QShortcut* makeSayAgainKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F5), window);
    key->setAutoRepeat(false);
    //: The tooltip of the practice and recall windows: F5 says the word on show again.
    window->setToolTip(
        QCoreApplication::translate("SayAgainKey", "Press F5 to hear the word again."));
    return key;
}
