#pragma once

#include "grid/GridCodes.h"

#include <QString>

// Settings of one grid column.
struct GridColumn {
    int width = 1200; // twips
    bool hidden = false;
    bool merge = false;
    bool printable = true;
    int dataType = GridCodes::TypeNone;
    int alignment = GridCodes::General;
    int fixedAlignment = GridCodes::LeftCenter;
    int kind = GridCodes::KindDefault;
    QString format;
};
