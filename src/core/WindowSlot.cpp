#include "WindowSlot.h"
#include "Program.h"

void WindowSlotBase::close() {
    if (QWidget* window = window_.data()) {
        window_.clear();
        window->close();
    }
}

// Called only when the program object goes away, after its event loop has returned.
WindowSlotBase::~WindowSlotBase() {
    delete window_.data();
}

bool WindowSlotBase::mayCreate() const {
    return window_.isNull() && !program_.hasEnded();
}

void WindowSlotBase::closed(QWidget* window) {
    if (window_.data() == window)
        window_.clear();
    program_.windowClosed();
}
