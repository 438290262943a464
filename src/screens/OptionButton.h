#pragma once

#include <QRadioButton>

// An option button that also reports double-clicks, and answers to a click anywhere in its
// rectangle, not only on its circle and caption. A double-click only emits `doubleClicked`: it
// neither presses the button again nor lets the release that follows count as a click.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

signals:
    void doubleClicked();

protected:
    bool hitButton(const QPoint& position) const override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
