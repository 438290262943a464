#include "AccessibleFittingLabel.h"

#include "FittingLabel.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QStringList>
#include <QTextBoundaryFinder>

namespace {
// Static text named for what it shows, with the caption itself as its value.
class AccessibleFittingLabel : public QAccessibleWidget {
public:
    explicit AccessibleFittingLabel(FittingLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const FittingLabel*>(object());
        if (kind == QAccessible::Value)
            return spokenCharacters(label->text());
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

void installAccessibleFittingLabel() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFittingLabel);
        return true;
    }();
    Q_UNUSED(installed);
}

QString spokenCharacters(const QString& caption) {
    //: What a screen reader says for a hidden letter when it spells a word: "c blank t".
    const QString blank = QCoreApplication::translate("AccessibleFittingLabel", "blank");
    QStringList spoken;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, caption);
    qsizetype start = 0;
    for (qsizetype end = characters.toNextBoundary(); end != -1;
         end = characters.toNextBoundary()) {
        const QString character = caption.mid(start, end - start);
        spoken.append(character == QLatin1String(" ") ? blank : character);
        start = end;
    }
    return spoken.join(u' ');
}
