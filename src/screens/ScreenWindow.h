#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

class QPushButton;

// What the four windows have in common: caption, client area and border, colours and font, the
// roles of the Enter and Escape keys, the tab order, and a `closed` signal. Closing a window
// destroys it (deferred, so that a handler may close its own window and go on).
class ScreenWindow : public QDialog {
    Q_OBJECT

public:
    enum class Border { FixedDialog, Sizable };
    enum class Colours { DialogFace, WindowBackground };

    // Escape (through the dialog's own key handling), and any other request to reject the window,
    // presses its cancel button; a window without one stays as it is.
    void reject() override;

signals:
    void closed();

protected:
    // `client` is the client area on the screen, in pixels.
    ScreenWindow(const char* name, const QString& caption, const QRect& client, Border border,
                 Colours colours, const QFont& font);

    // The button pressed by Escape. A window without one ignores Escape.
    void setCancelButton(QPushButton* button);
    // The Tab key's order; the first control in it that can take the focus has it on opening.
    void setFocusOrder(const QList<QWidget*>& order);

    void closeEvent(QCloseEvent* event) override;
    // Tab enters a group of options at its chosen option and leaves it with the next Tab, as
    // desktop toolkits do; the arrow keys move the choice within the group.
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QPushButton> cancelButton_;
    QList<QWidget*> focusOrder_;
    bool shownBefore_ = false;
};
