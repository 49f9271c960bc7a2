#pragma once

#include "CnoteFields.h"

#include <QList>
#include <QString>
#include <array>

// What the form holds when it is saved: the box texts, the collection check boxes and the goods
// lines that have a goods name (grid columns 0..7 as text).
struct CnoteEntry {
    using GoodsLine = std::array<QString, 8>;

    std::array<QString, CnoteFields::kBoxCount> texts;
    std::array<bool, 4> checks{};
    QList<GoodsLine> goods;

    const QString& text(int box) const { return texts[box]; }
};
