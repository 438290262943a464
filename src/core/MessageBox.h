#pragma once

#include "Platform.h"

class QMessageBox;
class QWidget;

// A message box as the desktop shows it: its text as plain text, so that a word or a file name
// such as <img src=f> appears as typed and nothing it names is ever loaded; the exclamation icon
// or none; OK, or Yes and No with Yes pressed by Enter.
QMessageBox* newMessageBox(const QString& text, const QString& title, Platform::Buttons buttons,
                           Platform::Icon icon, QWidget* parent);
