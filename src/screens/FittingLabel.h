#pragma once

#include <QFont>
#include <QLabel>

// A label that shows its caption on one line and whole: when the caption is wider than the label
// at the label's own font, it is drawn at the largest smaller size that fits, and only then. Its
// text is always plain, so a word such as "<b>" shows as typed.
// A screen reader hears it as AccessibleFittingLabel describes.
class FittingLabel : public QLabel {
    Q_OBJECT

public:
    explicit FittingLabel(QWidget* parent);

    // The font the caption is drawn in.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The width the caption takes at `font`.
    qreal neededWidth(const QFont& font) const;
};
