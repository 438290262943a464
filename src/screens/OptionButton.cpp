#include "OptionButton.h"

#include <QMouseEvent>

bool OptionButton::hitButton(const QPoint& position) const {
    return rect().contains(position);
}

void OptionButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QRadioButton::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit doubleClicked();
}
