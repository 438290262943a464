#include "FittingLabel.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QStyle>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {
// Halving the range this often leaves the size within a thousandth of its best.
constexpr int SearchSteps = 16;

// Static text named for what it shows, with the caption itself as its value.
class AccessibleFittingLabel : public QAccessibleWidget {
public:
    explicit AccessibleFittingLabel(FittingLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const FittingLabel*>(object());
        if (kind == QAccessible::Value)
            return label->spokenText();
        if (kind == QAccessible::Name && label->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleFittingLabel(const QString& className, QObject* object) {
    if (className == QLatin1String(FittingLabel::staticMetaObject.className()))
        return new AccessibleFittingLabel(static_cast<FittingLabel*>(object));
    return nullptr;
}
} // namespace

FittingLabel::FittingLabel(QWidget* parent)
    : QLabel(parent) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(accessibleFittingLabel);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

QString FittingLabel::spokenText() const {
    const QString caption = text();
    QStringList spoken;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, caption);
    qsizetype start = 0;
    for (qsizetype end = characters.toNextBoundary(); end != -1;
         end = characters.toNextBoundary()) {
        const QString character = caption.mid(start, end - start);
        spoken.append(character == QLatin1String(" ") ? QStringLiteral("blank") : character);
        start = end;
    }
    return spoken.join(u' ');
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
