#include "Controls.h"

#include "AccessibleFittingLabel.h"
#include "AccessibleOptionButton.h"
#include "FittingLabel.h"
#include "OptionButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
template <class Control> Control* place(Control* control, const char* name, const QRect& rect) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(rect);
    return control;
}

void applyLook(QLabel* label, LabelLook look) {
    label->setAlignment((look.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->lower();
    if (look.windowText) {
        QPalette colour = label->palette();
        colour.setColor(QPalette::WindowText, colour.color(QPalette::Text));
        label->setPalette(colour);
    }
}
} // namespace

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& rect,
                  LabelLook look) {
    auto* label = place(new QLabel(caption, parent), name, rect);
    label->setWordWrap(true);
    applyLook(label, look);
    return label;
}

FittingLabel* makeFittingLabel(QWidget* parent, const char* name, const QRect& rect,
                               const QFont& font, LabelLook look) {
    installAccessibleFittingLabel();
    auto* label = place(new FittingLabel(parent), name, rect);
    label->setFont(font);
    applyLook(label, look);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& rect) {
    return place(new QPushButton(caption, parent), name, rect);
}

OptionButton* makeOption(QWidget* parent, const char* name, const QString& caption,
                         const QRect& rect) {
    installAccessibleOptionButton();
    return place(new OptionButton(caption, parent), name, rect);
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, const QRect& rect) {
    auto* frame = place(new QGroupBox(caption, parent), name, rect);
    // A frame hides what lies beneath it, as the wizard's pages stacked in one place rely on.
    frame->setAutoFillBackground(true);
    return frame;
}

QLineEdit* makeLineEdit(QWidget* parent, const char* name, const QRect& rect, const QFont& font) {
    auto* box = place(new QLineEdit(parent), name, rect);
    box->setFont(font);
    return box;
}

QPlainTextEdit* makeTextBox(QWidget* parent, const char* name, const QString& text,
                            const QRect& rect) {
    auto* box = place(new QPlainTextEdit(text, parent), name, rect);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}
