#pragma once

#include "screens/PracticeScreen.h"

class Program;

// The practice window, shown when the wizard hands its list over.
class Main : public PracticeScreen {
    Q_OBJECT

public:
    explicit Main(Program& program);

    // Starts a pass over the list.
    void Form_Load();

private:
    Program& program_;
};
