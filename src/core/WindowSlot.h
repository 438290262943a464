#pragma once

#include <QPointer>
#include <QWidget>

class Program;

// Holds one of the program's windows, which exists at most once: created on first use, gone once
// closed (its deletion is deferred, so a handler may close its own window and go on).
class WindowSlotBase {
public:
    bool isOpen() const { return !window_.isNull(); }
    // Closes the window if it is open.
    void close();

protected:
    explicit WindowSlotBase(Program& program)
        : program_(program) {}
    ~WindowSlotBase();
    WindowSlotBase(const WindowSlotBase&) = delete;
    WindowSlotBase& operator=(const WindowSlotBase&) = delete;

    // True while no window is open and the program has not ended.
    bool mayCreate() const;
    // Told that `window` has closed: the slot lets it go, and the program may end.
    void closed(QWidget* window);

    Program& program_;
    QPointer<QWidget> window_;
};

template <class Window> class WindowSlot : public WindowSlotBase {
public:
    explicit WindowSlot(Program& program)
        : WindowSlotBase(program) {}

    // The open window, or null.
    Window* get() const { return static_cast<Window*>(window_.data()); }
    // The open window, created (and loaded) first when there is none. Null once the program has
    // ended, also when it ended while the window was loading.
    Window* use() {
        if (mayCreate()) {
            auto* window = new Window(program_);
            window_ = window;
            QObject::connect(window, &Window::closed, window, [this, window] { closed(window); });
            if constexpr (requires { window->Form_Load(); })
                window->Form_Load();
        }
        return get();
    }
};
