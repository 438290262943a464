#include "Form5.h"

#include "ReadmeFile.h"
#include "core/Program.h"

#include <QPlainTextEdit>

Form5::Form5(Program& program)
    : program_(program) {}

void Form5::Form_Load() {
    Form_Resize();
    Text1->setPlainText(readmeDisplayText(program_.shared.ReadmeText));
}

void Form5::resizeEvent(QResizeEvent* event) {
    ReadmeScreen::resizeEvent(event);
    Form_Resize();
}

void Form5::Form_Resize() {
    Text1->setGeometry(rect());
}
