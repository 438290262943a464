#include "FittingLabel.h"

#include "core/Characters.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QStyle>

#include <algorithm>

namespace {
// Every size measured costs a font of that size, built and rasterised anew: the search aims at
// the size that fills the room rather than halving a range, and stops once the text fills all
// but this share of the room, or the range is narrower than this share of the size.
constexpr qreal Slack = 0.005;
constexpr qreal Precision = 0.001;
// However oddly the widths behave, the search ends.
constexpr int MostSteps = 16;
} // namespace

FittingLabel::FittingLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

QString FittingLabel::spokenText() const {
    //: What a screen reader says for a hidden letter when it spells a word: "c blank t".
    const QString blank = tr("blank");
    QStringList spoken = characters(text());
    std::replace(spoken.begin(), spoken.end(), QStringLiteral(" "), blank);
    return spoken.join(u' ');
}

void FittingLabel::setText(const QString& caption) {
    if (caption == text())
        return;
    const QString before = spokenText();
    QLabel::setText(caption);
    QAccessibleTextUpdateEvent changed(this, 0, before, spokenText());
    QAccessible::updateAccessibility(&changed);
}

void FittingLabel::clear() {
    setText(QString());
}

qreal FittingLabel::neededWidth(const QFont& font) const {
    const QFontMetricsF metrics(font, this);
    // Bold glyphs may reach past their advance; neither may leave the label.
    return std::max(metrics.horizontalAdvance(text()), metrics.boundingRect(text()).width());
}

QFont FittingLabel::fittedFont() const {
    QFont fitted = font();
    const qreal room = contentsRect().width();
    qreal large = fitted.pointSizeF();
    qreal largeWidth = neededWidth(fitted);
    if (largeWidth <= room)
        return fitted;
    // The width grows almost in proportion to the size, so the size that fills the room lies
    // where the line through the widths of the largest size known to fit (or nothing) and the
    // smallest known not to fit meets it.
    const qreal aim = room * (1 - Slack);
    qreal small = 0;
    qreal smallWidth = 0;
    for (int step = 0; step < MostSteps && smallWidth < aim && large - small > large * Precision;
         ++step) {
        const qreal size = small + (large - small) * (aim - smallWidth) / (largeWidth - smallWidth);
        fitted.setPointSizeF(size);
        const qreal width = neededWidth(fitted);
        if (width <= room) {
            small = size;
            smallWidth = width;
        } else {
            large = size;
            largeWidth = width;
        }
    }
    // However long the caption, it is drawn at some size above nothing.
    fitted.setPointSizeF(small > 0 ? small : large);
    return fitted;
}

void FittingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(fittedFont());
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          text(), foregroundRole());
}
