#pragma once

#include "Platform.h"

#include <QRect>

class QMessageBox;
class QWidget;

// A message box as the desktop shows it: its text as plain text, so that a word or a file name
// such as <img src=f> appears as typed and nothing it names is ever loaded; the exclamation icon
// or none; OK, or Yes and No with Yes pressed by Enter. Where `keepClear` (on the screen) is not
// empty, the box opens beside it rather than over its parent's middle.
QMessageBox* newMessageBox(const QString& text, const QString& title, Platform::Buttons buttons,
                           Platform::Icon icon, QWidget* parent, const QRect& keepClear = {});
