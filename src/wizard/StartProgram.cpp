#include "StartProgram.h"

#include "core/Program.h"
#include "wizard/frmWizard.h"

void startProgram(Program& program) {
    if (frmWizard* wizard = program.wizard.use())
        wizard->show();
}
