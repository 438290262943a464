#pragma once

class Program;

// Creates the wizard and shows it, modeless, as the program's only window.
void startProgram(Program& program);
