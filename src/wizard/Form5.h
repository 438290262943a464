#pragma once

#include "screens/ReadmeScreen.h"

class Program;

// The readme viewer: shows the readme text as it was when the viewer was created, in a box that
// always fills the window.
class Form5 : public ReadmeScreen {
    Q_OBJECT

public:
    explicit Form5(Program& program);

    void Form_Load();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();

    Program& program_;
};
