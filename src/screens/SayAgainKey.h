#pragma once

class QShortcut;
class QWidget;

// The key that says the word on show again, anywhere in `window`: F5, which no control takes for
// itself and which desktops know as "do it once more". Held down, it says the word once. The
// window's tooltip tells of it.
QShortcut* makeSayAgainKey(QWidget* window);
