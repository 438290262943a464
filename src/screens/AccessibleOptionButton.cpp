#include "AccessibleOptionButton.h"

#include "OptionButton.h"

#include <QAccessibleWidget>

#include <QRegularExpression>
#include <mutex>

namespace {
class AccessibleOptionButton : public QAccessibleWidget {
public:
    explicit AccessibleOptionButton(OptionButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && option()->accessibleName().isEmpty())
            // The caption without its access key's mark ("&&" stands for "&").
            return option()->text().replace(QRegularExpression(QStringLiteral("&(.)")),
                                            QStringLiteral("\\1"));
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (option()->isEnabled())
            names.prepend(toggleAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (name != toggleAction())
            QAccessibleWidget::doAction(name);
        else if (option()->isEnabled())
            option()->click();
    }

private:
    OptionButton* option() const { return static_cast<OptionButton*>(object()); }
};

QAccessibleInterface* accessibleOptionButton(const QString& className, QObject* object) {
    if (className == QLatin1String(OptionButton::staticMetaObject.className()))
        return new AccessibleOptionButton(static_cast<OptionButton*>(object));
    return nullptr;
}
} // namespace

void installAccessibleOptionButton() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(accessibleOptionButton); });
}
