#include "MessageBox.h"

#include <QMessageBox>

QMessageBox* newMessageBox(const QString& text, const QString& title, Platform::Buttons buttons,
                           Platform::Icon icon, QWidget* parent) {
    const bool yesNo = buttons == Platform::Buttons::YesNo;
    auto* box = new QMessageBox(
        icon == Platform::Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title,
        QString(), yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    // Rich text would load what an <img> names, from any file, on the interface thread.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    // The box announces itself as an alert named by its title; a screen reader speaks the
    // description with it, so the message itself is heard too.
    box->setAccessibleDescription(text);
    return box;
}
