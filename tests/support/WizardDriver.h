#pragma once

#include <QString>

class QWidget;
class frmWizard;

// Which wizard page the user sees: the frame at the front where the pages lie, or -1.
int pageOnTop(frmWizard* wizard);

// Types `text` into `widget` key by key, as a keyboard would (any characters, not only ASCII).
void typeText(QWidget* widget, const QString& text);
