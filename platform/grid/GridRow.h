#pragma once

#include <QColor>
#include <QHash>

// Settings of one grid row; they travel with the row when rows are sorted or subtotalled.
struct GridRow {
    static constexpr int NotSubtotal = -2;

    QColor foreColor; // invalid = the grid's colour
    QColor backColor;
    QHash<int, QColor> cellForeColors;
    int height = -1; // twips; -1 = the grid's default
    int subtotalGroupOn = NotSubtotal; // group-on column of a subtotal row, -1 for a grand total
    bool bold = false;
    bool hidden = false;
    bool merge = false;

    bool IsSubtotal() const { return subtotalGroupOn != NotSubtotal; }
};
