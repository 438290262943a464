#include "ScreenWindow.h"

#include <QCloseEvent>
#include <QPalette>
#include <QPushButton>

ScreenWindow::ScreenWindow(const char* name, const QString& caption, const QRect& client,
                           Border border, Colours colours, const QFont& font) {
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    setFont(font);
    if (border == Border::FixedDialog) {
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        setFixedSize(client.size());
    } else {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    }
    setGeometry(client);
    if (colours == Colours::WindowBackground) {
        QPalette colour = palette();
        colour.setColor(QPalette::Window, colour.color(QPalette::Base));
        colour.setColor(QPalette::WindowText, colour.color(QPalette::Text));
        setPalette(colour);
    }
}

void ScreenWindow::setCancelButton(QPushButton* button) {
    cancelButton_ = button;
}

void ScreenWindow::setFocusOrder(const QList<QWidget*>& order) {
    focusOrder_ = order;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void ScreenWindow::reject() {
    if (cancelButton_ && cancelButton_->isEnabled())
        cancelButton_->click();
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // No window asks anything when it is closed.
    event->accept();
    emit closed();
}

void ScreenWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownBefore_)
        return;
    shownBefore_ = true;
    for (QWidget* control : std::as_const(focusOrder_)) {
        if (control->isEnabled() && control->isVisibleTo(this) &&
            (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}
