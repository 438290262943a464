#include "ScreenWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

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

bool ScreenWindow::focusNextPrevChild(bool next) {
    // Qt stops Tab at whichever option of a group had the focus last, or at the first one in the
    // tab order before any had: an option chosen without the focus (by the program, or through a
    // screen reader) would leave Tab on another. Only the chosen option of a group takes Tab, so
    // the others never get the focus on the way, even for a moment.
    const QList<QAbstractButton*> buttons = findChildren<QAbstractButton*>();
    const auto inGroup = [](const QAbstractButton* button) {
        return button->autoExclusive() && button->isCheckable();
    };
    for (QAbstractButton* option : buttons) {
        if (!inGroup(option))
            continue;
        const bool groupChosen = std::any_of(buttons.cbegin(), buttons.cend(), [&](auto* other) {
            return inGroup(other) && other->parentWidget() == option->parentWidget() &&
                   other->isChecked();
        });
        const Qt::FocusPolicy policy = option->focusPolicy();
        option->setFocusPolicy(option->isChecked() || !groupChosen
                                   ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
    return QDialog::focusNextPrevChild(next);
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
