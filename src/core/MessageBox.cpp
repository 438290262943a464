#include "MessageBox.h"

#include "Placement.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace {

class MessageBox : public QMessageBox {
public:
    MessageBox(Icon icon, const QString& title, StandardButtons buttons, QWidget* parent,
               const QRect& keepClear)
        : QMessageBox(icon, title, QString(), buttons, parent)
        , keepClear_(keepClear) {}

protected:
    // The box knows its final size only here, and is not on the screen yet.
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (keepClear_.isEmpty())
            return;
        const QMargins frame = parentWidget() ? frameMargins(*parentWidget()) : QMargins();
        const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
        const QSize outer = size().grownBy(frame);
        move(placeBeside(outer, keepClear_, on->availableGeometry(), outer).topLeft());
    }

private:
    QRect keepClear_;
};

} // namespace

QMessageBox* newMessageBox(const QString& text, const QString& title, Platform::Buttons buttons,
                           Platform::Icon icon, QWidget* parent, const QRect& keepClear) {
    const bool yesNo = buttons == Platform::Buttons::YesNo;
    auto* box = new MessageBox(
        icon == Platform::Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title,
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent, keepClear);
    // Rich text would load what an <img> names, from any file, on the interface thread.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    // The box announces itself as an alert named by its title; a screen reader speaks the
    // description with it, so the message itself is heard too.
    box->setAccessibleDescription(text);
    return box;
}
