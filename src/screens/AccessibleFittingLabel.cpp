#include "AccessibleFittingLabel.h"

#include "FittingLabel.h"

#include <QAccessibleWidget>

#include <mutex>

namespace {
// Read-only static text: nothing to select, no caret, no attributes, and no character with a place
// of its own on the screen, since the spelt-out text is longer than the caption drawn.
class AccessibleFittingLabel : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleFittingLabel(FittingLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    QString text(int startOffset, int endOffset) const override {
        return label()->spokenText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(label()->spokenText().size()); }
    // Every character lies somewhere in the line drawn.
    QRect characterRect(int offset) const override {
        if (offset < 0 || offset >= characterCount())
            return {};
        const QRect line = label()->contentsRect();
        return QRect(label()->mapToGlobal(line.topLeft()), line.size());
    }
    int offsetAtPoint(const QPoint&) const override { return -1; }

    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    FittingLabel* label() const { return static_cast<FittingLabel*>(object()); }
};

QAccessibleInterface* accessibleFittingLabel(const QString& className, QObject* object) {
    if (className == QLatin1String(FittingLabel::staticMetaObject.className()))
        return new AccessibleFittingLabel(static_cast<FittingLabel*>(object));
    return nullptr;
}
} // namespace

void installAccessibleFittingLabel() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(accessibleFittingLabel); });
}
