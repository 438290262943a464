#pragma once

#include <QString>

// The settings of the open-file dialog, kept between its uses like the dialog component of a
// window: the filter list ("description|pattern|description|pattern…"), the 1-based entry selected,
// and the file name chosen last.
struct CommonDialog {
    QString Filter;
    int FilterIndex = 1;
    QString FileName;
};
