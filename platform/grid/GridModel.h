#pragma once

#include "PlatformExport.h"
#include "grid/GridCodes.h"
#include "grid/GridColumn.h"
#include "grid/GridRow.h"
#include "grid/GridTextColumn.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QRect>

// Cells and settings of the grid control, as a Qt table model. Rows and columns count from 0
// and include the fixed (heading) rows and columns. Texts are stored compactly per column.
// With Redraw off, changes are collected and announced to views once Redraw is on again.
class ORVEL_PLATFORM_EXPORT GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    int Rows() const { return int(m_rows.size()); }
    void SetRows(int rows);
    int Cols() const { return int(m_columns.size()); }
    void SetCols(int cols);
    int FixedRows() const { return m_fixedRows; }
    void SetFixedRows(int rows);
    int FixedCols() const { return m_fixedCols; }
    void SetFixedCols(int cols);
    // Columns after the fixed ones that stay in place when scrolling sideways.
    int FrozenCols() const { return m_frozenCols; }
    void SetFrozenCols(int cols);

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    // The text as shown: numbers formatted by ColFormat.
    QString DisplayText(int row, int col) const;
    // "a|b|c": as many columns as parts, the parts as headings of row 0, each column as wide
    // as its part with its padding.
    void SetFormatString(const QString& format);

    int ColWidth(int col) const { return m_columns[col].width; }
    void SetColWidth(int col, int twips);
    bool ColHidden(int col) const { return m_columns[col].hidden; }
    void SetColHidden(int col, bool hidden);
    int ColDataType(int col) const { return m_columns[col].dataType; }
    void SetColDataType(int col, int type);
    QString ColFormat(int col) const { return m_columns[col].format; }
    void SetColFormat(int col, const QString& format);
    int ColAlignment(int col) const { return m_columns[col].alignment; }
    void SetColAlignment(int col, int alignment);
    // Alignment of the column's cells in fixed rows.
    int FixedAlignment(int col) const { return m_columns[col].fixedAlignment; }
    void SetFixedAlignment(int col, int alignment);
    int ColKind(int col) const { return m_columns[col].kind; }
    void SetColKind(int col, int kind);
    bool ColPrintable(int col) const { return m_columns[col].printable; }
    void SetColPrintable(int col, bool printable);
    // Back to the settings of a new column: no format, type, kind or merging; editable.
    void ResetColumn(int col);

    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int twips);
    bool RowHidden(int row) const { return m_rows[row].hidden; }
    void SetRowHidden(int row, bool hidden);

    int MergeCells() const { return m_mergeCells; }
    void SetMergeCells(int mode);
    bool MergeCol(int col) const { return m_columns[col].merge; }
    void SetMergeCol(int col, bool merge);
    bool MergeRow(int row) const { return m_rows[row].merge; }
    void SetMergeRow(int row, bool merge);
    // Rectangles (x = column, y = row) of merged cells that MergeCells allows.
    QList<QRect> MergedRanges() const;

    QColor CellForeColor(int row, int col) const;
    void SetCellForeColor(int row, int col, const QColor& color);
    QColor RowBackColor(int row) const { return m_rows[row].backColor; }
    bool RowBold(int row) const { return m_rows[row].bold; }

    // Sorts the non-fixed rows by one column with a GridCodes::Sort code; subtotal rows are
    // removed first. Equal rows keep their order, so successive sorts refine each other.
    void Sort(int code, int col);

    // Adds a subtotal: function (GridCodes::SubtotalFunction) of column totalOn over each group
    // of data rows with equal cells from matchFrom (default: the first non-fixed column) to
    // groupOn; groupOn -1 is one group of all data rows (a grand total). A second call for the
    // same groupOn fills further columns of the rows already added. The caption goes into
    // column groupOn with "%s" replaced by the group's value, and the cells before it copy the
    // group's first row; with totalOnly (and for grand totals) the caption goes into the first
    // non-fixed column and nothing is copied. Empty format: the column's format shows the total.
    void Subtotal(int function, int groupOn, int totalOn, const QString& format = {},
        const QColor& backColor = {}, const QColor& foreColor = {}, bool bold = false,
        const QString& caption = {}, int matchFrom = -1, bool totalOnly = false);
    int SubtotalPosition() const { return m_subtotalPosition; }
    void SetSubtotalPosition(int position) { m_subtotalPosition = position; }
    bool IsSubtotal(int row) const { return m_rows[row].IsSubtotal(); }

    // First row from startRow whose cell in col equals (fullMatch) or contains the text; -1 if none.
    int FindRow(const QString& text, int startRow, int col, bool caseSensitive = false, bool fullMatch = true) const;

    bool Redraw() const { return m_redraw; }
    void SetRedraw(bool redraw);

    // Editable mode: non-fixed cells of columns not of kind KindReadOnly can be edited;
    // KindNumber columns accept numbers only.
    bool Editable() const { return m_editable; }
    void SetEditable(bool editable);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // Widths, heights, hidden flags, fixed and frozen counts or merging changed.
    void LayoutChanged();

private:
    template <typename Change> void structural(Change&& change);
    void layoutChanged();
    void cellChanged(int row, int col);
    void reorderRows(const QList<int>& order);
    void resizeRows(int rows);
    void clearSubtotals();
    // Writes a further total column into the existing subtotal rows of groupOn.
    void fillSubtotals(int function, int groupOn, int totalOn, const QString& format, bool below);
    QList<int> dataRowsInOrder() const;
    int firstDataColumn() const;

    QList<GridTextColumn> m_cells;
    QList<GridColumn> m_columns;
    QList<GridRow> m_rows;
    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_frozenCols = 0;
    int m_defaultRowHeight = 300;
    int m_mergeCells = GridCodes::MergeNever;
    int m_subtotalPosition = GridCodes::SubtotalBelow;
    bool m_editable = false;
    bool m_redraw = true;
    bool m_resetPending = false;
    bool m_layoutPending = false;
    bool m_dataPending = false;
};
