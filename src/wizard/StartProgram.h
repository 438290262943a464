#pragma once

class Program;

// Gives the application its face and icon, then creates the wizard and shows it, modeless, as the
// program's only window.
void startProgram(Program& program);
