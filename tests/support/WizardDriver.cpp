#include "WizardDriver.h"

#include "core/Characters.h"
#include "wizard/frmWizard.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>

int pageOnTop(frmWizard* wizard) {
    QWidget* hit = wizard->childAt(wizard->Frame1[0]->geometry().center());
    for (; hit && hit != wizard; hit = hit->parentWidget())
        for (int page = 0; page < 3; ++page)
            if (hit == wizard->Frame1[page])
                return page;
    return -1;
}

void typeText(QWidget* widget, const QString& text) {
    for (const QString& character : characters(text)) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
    }
}
