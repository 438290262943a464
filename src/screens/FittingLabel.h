#pragma once

#include <QFont>
#include <QLabel>

// A label that shows its caption on one line and whole: when the caption is wider than the label
// at the label's own font, it is drawn at the largest smaller size that fits, and only then. Its
// text is always plain, so a word such as "<b>" shows as typed.
// A screen reader reads the caption spelt out (see spokenText) and is told when it changes.
class FittingLabel : public QLabel {
    Q_OBJECT

public:
    explicit FittingLabel(QWidget* parent);

    // The font the caption is drawn in.
    QFont fittedFont() const;

    // The caption as a screen reader reads it: character by character, a space as "blank", so
    // "c blank t" for "c t". A hidden letter is drawn as a space, and the caption read as one word
    // would not tell that a letter is missing.
    QString spokenText() const;

public slots:
    // Change the caption through these: QLabel's own tell a screen reader nothing of the text.
    void setText(const QString& caption);
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The width the caption takes at `font`.
    qreal neededWidth(const QFont& font) const;
};
