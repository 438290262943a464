#pragma once

#include "ScriptedPlatform.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// Takes the program through its windows in the states a user meets them in, on the scripted
// platform: the wizard's pages (the list typed up to its 30 words), the readme viewer (the
// readme.txt of the current folder), the practice with a recall, wrong attempts and the longest
// word. The windows are the real ones, driven through their own buttons. `visit` is called with
// each window and a name for its state ("wizard-2-typing"), while any message of that moment is
// open. Returns every message the program showed on the way.
QList<ScriptedPlatform::Message>
tourWindows(const std::function<void(QWidget* window, const QString& state)>& visit);
