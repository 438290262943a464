#include "Main.h"

#include "core/Program.h"

Main::Main(Program& program)
    : program_(program) {}

void Main::Form_Load() {}
