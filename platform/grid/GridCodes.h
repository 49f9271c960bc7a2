#pragma once

// Numeric codes of the grid control, as stored in layout files.
namespace GridCodes {

// ColDataType: 0 = no type and 5 = double are fixed by the layout files.
enum DataType {
    TypeNone = 0,
    TypeBoolean = 1,
    TypeShort = 2,
    TypeLong = 3,
    TypeSingle = 4,
    TypeDouble = 5,
    TypeCurrency = 6,
    TypeDate = 7,
    TypeString = 8,
};

// ColAlignment and FixedAlignment: horizontal position × 3 + vertical position; General puts
// numbers right and texts left, vertically centred.
enum Alignment {
    LeftTop = 0, LeftCenter = 1, LeftBottom = 2,
    CenterTop = 3, CenterCenter = 4, CenterBottom = 5,
    RightTop = 6, RightCenter = 7, RightBottom = 8,
    General = 9,
};

// Sort: 0 = no sort. "Generic" compares numerically when both cells are numbers.
enum Sort {
    SortNone = 0,
    SortGenericAscending = 1,
    SortGenericDescending = 2,
    SortNumericAscending = 3,
    SortNumericDescending = 4,
    SortTextNoCaseAscending = 5,
    SortTextNoCaseDescending = 6,
    SortTextAscending = 7,
    SortTextDescending = 8,
};

// Subtotal function: 1 removes every subtotal row, 2 = sum.
enum SubtotalFunction {
    SubtotalClear = 1,
    SubtotalSum = 2,
    SubtotalCount = 4,
    SubtotalAverage = 5,
    SubtotalMax = 6,
    SubtotalMin = 7,
};

enum SubtotalPosition {
    SubtotalBelow = 0,
    SubtotalAbove = 1,
};

// MergeCells: which cells MergeCol and MergeRow may merge.
enum MergeMode {
    MergeNever = 0,
    MergeFree = 1,
    MergeFixedOnly = 2,
};

// ColKind of the editable goods grid.
enum ColumnKind {
    KindDefault = 0,
    KindText = 1,
    KindReadOnly = 4,
    KindNumber = 7,
};

} // namespace GridCodes
