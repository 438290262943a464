#include "FittingLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace {
// Halving the range this often leaves the size within a thousandth of its best.
constexpr int SearchSteps = 16;
} // namespace

FittingLabel::FittingLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

bool FittingLabel::fits(const QFont& font) const {
    const QFontMetricsF metrics(font, this);
    // Bold glyphs may reach past their advance; neither may leave the label.
    const qreal needed =
        std::max(metrics.horizontalAdvance(text()), metrics.boundingRect(text()).width());
    return needed <= contentsRect().width();
}

QFont FittingLabel::fittedFont() const {
    QFont fitted = font();
    if (fits(fitted))
        return fitted;
    qreal small = 0;
    qreal large = fitted.pointSizeF();
    for (int step = 0; step < SearchSteps; ++step) {
        const qreal middle = (small + large) / 2;
        fitted.setPointSizeF(middle);
        (fits(fitted) ? small : large) = middle;
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
