#include "WindowSlot.h"

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
