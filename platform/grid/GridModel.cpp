#include "grid/GridModel.h"

#include "Twips.h"

#include "grid/NumberFormat.h"
#include "grid/SubtotalAccumulator.h"

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QSet>

#include <algorithm>
#include <numeric>

namespace {

constexpr int HeadingPaddingPixels = 8;

Qt::Alignment toQt(int code, bool numeric)
{
    if (code < GridCodes::LeftTop || code > GridCodes::RightBottom)
        return (numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    static constexpr Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return horizontal[code / 3] | vertical[code % 3];
}

bool isNumericType(int type)
{
    return type == GridCodes::TypeNone || (type >= GridCodes::TypeShort && type <= GridCodes::TypeCurrency);
}

} // namespace

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    m_cells.resize(2);
    m_columns.resize(2);
    m_rows.resize(2);
    for (GridTextColumn& column : m_cells)
        column.resize(2);
}

template <typename Change>
void GridModel::structural(Change&& change)
{
    if (!m_redraw) {
        if (!m_resetPending)
            beginResetModel();
        m_resetPending = true;
        change();
        m_layoutPending = true;
        return;
    }
    beginResetModel();
    change();
    endResetModel();
    emit LayoutChanged();
}

void GridModel::layoutChanged()
{
    if (m_redraw)
        emit LayoutChanged();
    else
        m_layoutPending = true;
}

void GridModel::cellChanged(int row, int col)
{
    if (m_redraw)
        emit dataChanged(index(row, col), index(row, col));
    else
        m_dataPending = true;
}

void GridModel::SetRedraw(bool redraw)
{
    m_redraw = redraw;
    if (!redraw)
        return;
    if (m_resetPending)
        endResetModel();
    else if (m_dataPending && Rows() > 0 && Cols() > 0)
        emit dataChanged(index(0, 0), index(Rows() - 1, Cols() - 1));
    if (m_resetPending || m_layoutPending)
        emit LayoutChanged();
    m_resetPending = m_layoutPending = m_dataPending = false;
}

void GridModel::resizeRows(int rows)
{
    m_rows.resize(rows);
    for (GridTextColumn& column : m_cells)
        column.resize(rows);
}

void GridModel::SetRows(int rows)
{
    structural([&] { resizeRows(std::max(rows, 0)); });
}

void GridModel::SetCols(int cols)
{
    cols = std::max(cols, 0);
    structural([&] {
        const int rows = Rows();
        m_columns.resize(cols);
        m_cells.resize(cols);
        for (GridTextColumn& column : m_cells)
            column.resize(rows);
    });
}

void GridModel::SetFixedRows(int rows)
{
    m_fixedRows = std::max(rows, 0);
    if (Rows() < m_fixedRows)
        SetRows(m_fixedRows);
    layoutChanged();
}

void GridModel::SetFixedCols(int cols)
{
    m_fixedCols = std::max(cols, 0);
    if (Cols() < m_fixedCols)
        SetCols(m_fixedCols);
    layoutChanged();
}

void GridModel::SetFrozenCols(int cols)
{
    m_frozenCols = std::max(cols, 0);
    layoutChanged();
}

QString GridModel::TextMatrix(int row, int col) const
{
    return m_cells[col].text(row).toString();
}

void GridModel::SetTextMatrix(int row, int col, const QString& text)
{
    m_cells[col].setText(row, text);
    cellChanged(row, col);
}

QString GridModel::DisplayText(int row, int col) const
{
    const QStringView text = m_cells[col].text(row);
    const GridColumn& column = m_columns[col];
    if (row < m_fixedRows || column.format.isEmpty() || !isNumericType(column.dataType))
        return text.toString();
    const NumberFormat format(column.format);
    const std::optional<double> value = NumberFormat::Parse(text);
    return format.IsNumeric() && value ? format.Apply(*value) : text.toString();
}

void GridModel::SetFormatString(const QString& format)
{
    const QStringList parts = format.split(u'|');
    structural([&] {
        m_columns.resize(parts.size());
        m_cells.resize(parts.size());
        resizeRows(std::max(Rows(), 1));
        const QFontMetrics metrics(QGuiApplication::font());
        for (int col = 0; col < parts.size(); ++col) {
            m_cells[col].setText(0, parts[col].trimmed());
            m_columns[col].width = (metrics.horizontalAdvance(parts[col]) + HeadingPaddingPixels) * Twips::PerPixel;
        }
    });
}

void GridModel::SetColWidth(int col, int twips)
{
    m_columns[col].width = std::max(twips, 0);
    layoutChanged();
}

void GridModel::SetColHidden(int col, bool hidden)
{
    m_columns[col].hidden = hidden;
    layoutChanged();
}

void GridModel::SetColDataType(int col, int type)
{
    m_columns[col].dataType = type;
    layoutChanged();
}

void GridModel::SetColFormat(int col, const QString& format)
{
    m_columns[col].format = format;
    layoutChanged();
}

void GridModel::SetColAlignment(int col, int alignment)
{
    m_columns[col].alignment = alignment;
    layoutChanged();
}

void GridModel::SetFixedAlignment(int col, int alignment)
{
    m_columns[col].fixedAlignment = alignment;
    layoutChanged();
}

void GridModel::SetColKind(int col, int kind)
{
    m_columns[col].kind = kind;
}

void GridModel::SetColPrintable(int col, bool printable)
{
    m_columns[col].printable = printable;
}

void GridModel::ResetColumn(int col)
{
    const int width = m_columns[col].width;
    m_columns[col] = GridColumn();
    m_columns[col].width = width;
    layoutChanged();
}

int GridModel::RowHeight(int row) const
{
    return m_rows[row].height < 0 ? m_defaultRowHeight : m_rows[row].height;
}

void GridModel::SetRowHeight(int row, int twips)
{
    m_rows[row].height = std::max(twips, 0);
    layoutChanged();
}

void GridModel::SetDefaultRowHeight(int twips)
{
    m_defaultRowHeight = std::max(twips, 0);
    layoutChanged();
}

void GridModel::SetRowHidden(int row, bool hidden)
{
    m_rows[row].hidden = hidden;
    layoutChanged();
}

void GridModel::SetMergeCells(int mode)
{
    m_mergeCells = mode;
    layoutChanged();
}

void GridModel::SetMergeCol(int col, bool merge)
{
    m_columns[col].merge = merge;
    layoutChanged();
}

void GridModel::SetMergeRow(int row, bool merge)
{
    m_rows[row].merge = merge;
    layoutChanged();
}

QList<QRect> GridModel::MergedRanges() const
{
    QList<QRect> ranges;
    if (m_mergeCells == GridCodes::MergeNever)
        return ranges;
    const bool free = m_mergeCells == GridCodes::MergeFree;
    QSet<quint64> covered;
    auto key = [](int row, int col) { return (quint64(quint32(row)) << 32) | quint32(col); };
    for (int col = 0; col < Cols(); ++col) {
        if (!m_columns[col].merge)
            continue;
        const int end = free || col < m_fixedCols ? Rows() : std::min(m_fixedRows, Rows());
        for (int first = 0; first < end;) {
            int last = first;
            while (last + 1 < end && !m_cells[col].text(first).isEmpty() && m_cells[col].text(last + 1) == m_cells[col].text(first))
                ++last;
            if (last > first) {
                ranges.append(QRect(col, first, 1, last - first + 1));
                for (int row = first; row <= last; ++row)
                    covered.insert(key(row, col));
            }
            first = last + 1;
        }
    }
    for (int row = 0; row < Rows(); ++row) {
        if (!m_rows[row].merge)
            continue;
        const int end = free || row < m_fixedRows ? Cols() : std::min(m_fixedCols, Cols());
        for (int first = 0; first < end;) {
            int last = first;
            while (last + 1 < end && !covered.contains(key(row, first)) && !covered.contains(key(row, last + 1))
                && !m_cells[first].text(row).isEmpty() && m_cells[last + 1].text(row) == m_cells[first].text(row))
                ++last;
            if (last > first)
                ranges.append(QRect(first, row, last - first + 1, 1));
            first = last + 1;
        }
    }
    return ranges;
}

QColor GridModel::CellForeColor(int row, int col) const
{
    return m_rows[row].cellForeColors.value(col, m_rows[row].foreColor);
}

void GridModel::SetCellForeColor(int row, int col, const QColor& color)
{
    m_rows[row].cellForeColors.insert(col, color);
    cellChanged(row, col);
}

void GridModel::reorderRows(const QList<int>& order)
{
    for (GridTextColumn& column : m_cells)
        column.reorder(order);
    QList<GridRow> rows(order.size());
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (order[i] >= 0)
            rows[i] = std::move(m_rows[order[i]]);
    }
    m_rows = std::move(rows);
}

QList<int> GridModel::dataRowsInOrder() const
{
    QList<int> rows;
    rows.reserve(Rows());
    for (int row = m_fixedRows; row < Rows(); ++row) {
        if (!m_rows[row].IsSubtotal())
            rows.append(row);
    }
    return rows;
}

void GridModel::clearSubtotals()
{
    QList<int> order;
    order.reserve(Rows());
    for (int row = 0; row < Rows(); ++row) {
        if (row < m_fixedRows || !m_rows[row].IsSubtotal())
            order.append(row);
    }
    if (order.size() != Rows())
        reorderRows(order);
}

int GridModel::firstDataColumn() const
{
    return std::min(m_fixedCols, Cols() - 1);
}

void GridModel::Sort(int code, int col)
{
    if (code <= GridCodes::SortNone || code > GridCodes::SortTextDescending || col < 0 || col >= Cols())
        return;
    structural([&] {
        clearSubtotals();
        const GridTextColumn& cells = m_cells[col];
        const bool descending = code % 2 == 0;
        const int kind = (code - 1) / 2; // 0 generic, 1 numeric, 2 text without case, 3 text
        QList<std::optional<double>> numbers(Rows());
        QList<QString> folded(kind == 1 ? 0 : Rows());
        for (int row = m_fixedRows; row < Rows(); ++row) {
            if (kind <= 1)
                numbers[row] = NumberFormat::Parse(cells.text(row));
            if (kind != 1)
                folded[row] = kind == 3 ? cells.text(row).toString() : cells.text(row).toString().toCaseFolded();
        }
        auto less = [&](int a, int b) {
            if (kind == 1)
                return numbers[a].value_or(0) < numbers[b].value_or(0);
            if (kind == 0 && (numbers[a] || numbers[b]))
                return numbers[a] && numbers[b] ? *numbers[a] < *numbers[b] : bool(numbers[a]);
            return folded[a] < folded[b];
        };
        QList<int> order(Rows());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin() + std::min(m_fixedRows, Rows()), order.end(),
            [&](int a, int b) { return descending ? less(b, a) : less(a, b); });
        reorderRows(order);
    });
}

int GridModel::FindRow(const QString& text, int startRow, int col, bool caseSensitive, bool fullMatch) const
{
    if (col < 0 || col >= Cols())
        return -1;
    const auto sensitivity = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int row = std::max(startRow, 0); row < Rows(); ++row) {
        const QStringView cell = m_cells[col].text(row);
        if (fullMatch ? cell.compare(text, sensitivity) == 0 : cell.contains(text, sensitivity))
            return row;
    }
    return -1;
}

void GridModel::SetEditable(bool editable)
{
    m_editable = editable;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Rows();
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Cols();
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    const int col = index.column();
    const bool fixed = row < m_fixedRows || col < m_fixedCols;
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(row, col);
    case Qt::EditRole:
        return TextMatrix(row, col);
    case Qt::TextAlignmentRole:
        if (row < m_fixedRows)
            return QVariant::fromValue(toQt(m_columns[col].fixedAlignment, false));
        return QVariant::fromValue(toQt(m_columns[col].alignment, NumberFormat::Parse(m_cells[col].text(row)).has_value()));
    case Qt::ForegroundRole: {
        const QColor color = CellForeColor(row, col);
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    case Qt::BackgroundRole:
        if (m_rows[row].backColor.isValid())
            return QBrush(m_rows[row].backColor);
        return fixed ? QVariant(QGuiApplication::palette().button()) : QVariant();
    case Qt::FontRole:
        if (!m_rows[row].bold)
            return {};
        {
            QFont font;
            font.setBold(true);
            return font;
        }
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    QString text = value.toString();
    if (m_columns[index.column()].kind == GridCodes::KindNumber) {
        text = text.trimmed();
        if (!text.isEmpty() && !NumberFormat::Parse(text))
            return false;
    }
    SetTextMatrix(index.row(), index.column(), text);
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int row = index.row();
    const int col = index.column();
    if (m_editable && row >= m_fixedRows && col >= m_fixedCols && m_columns[col].kind != GridCodes::KindReadOnly
        && !m_rows[row].IsSubtotal())
        flags |= Qt::ItemIsEditable;
    return flags;
}

void GridModel::Subtotal(int function, int groupOn, int totalOn, const QString& format, const QColor& backColor,
    const QColor& foreColor, bool bold, const QString& caption, int matchFrom, bool totalOnly)
{
    if (function == GridCodes::SubtotalClear) {
        structural([&] { clearSubtotals(); });
        return;
    }
    if (totalOn < 0 || totalOn >= Cols() || groupOn < -1 || groupOn >= Cols())
        return;
    structural([&] {
        const bool below = m_subtotalPosition != GridCodes::SubtotalAbove;
        const bool exists = std::any_of(m_rows.begin(), m_rows.end(), [&](const GridRow& r) { return r.subtotalGroupOn == groupOn; });
        if (exists) {
            fillSubtotals(function, groupOn, totalOn, format, below);
            return;
        }
        const int keyFrom = std::clamp(matchFrom >= 0 ? matchFrom : m_fixedCols, 0, std::max(groupOn, 0));
        const QList<int> data = dataRowsInOrder();
        auto sameGroup = [&](int a, int b) {
            for (int col = keyFrom; col <= groupOn; ++col) {
                if (m_cells[col].text(a) != m_cells[col].text(b))
                    return false;
            }
            return true;
        };
        auto inner = [&](int row) {
            const int level = m_rows[row].subtotalGroupOn;
            return groupOn < 0 ? level >= 0 : level > groupOn;
        };
        struct NewRow {
            int after; // insert after this row (before it when above)
            int first; // the group's first data row
            QString total;
        };
        QList<NewRow> added;
        SubtotalAccumulator accumulator(function);
        int first = data.isEmpty() ? -1 : data.first();
        for (qsizetype i = 0; i < data.size(); ++i) {
            accumulator.Add(m_cells[totalOn].text(data[i]));
            if (i + 1 < data.size() && sameGroup(data[i], data[i + 1]))
                continue;
            int at = below ? data[i] : first;
            if (below) {
                while (at + 1 < Rows() && m_rows[at + 1].IsSubtotal() && inner(at + 1))
                    ++at;
            } else {
                while (at - 1 >= m_fixedRows && m_rows[at - 1].IsSubtotal() && inner(at - 1))
                    --at;
            }
            added.append({at, first, accumulator.Result(format)});
            accumulator.Reset();
            if (i + 1 < data.size())
                first = data[i + 1];
        }
        QList<int> order;
        order.reserve(Rows() + added.size());
        QList<int> addedRows;
        qsizetype next = 0;
        for (int row = 0; row < Rows(); ++row) {
            const bool insertHere = next < added.size() && added[next].after == row;
            if (insertHere && !below) {
                addedRows.append(int(order.size()));
                order.append(-1);
            }
            order.append(row);
            if (insertHere && below) {
                addedRows.append(int(order.size()));
                order.append(-1);
            }
            next += insertHere;
        }
        QList<QList<QString>> copied(added.size());
        QList<QString> captions(added.size());
        const int captionCol = totalOnly || groupOn < 0 ? firstDataColumn() : groupOn;
        for (qsizetype i = 0; i < added.size(); ++i) {
            QString text = caption;
            captions[i] = text.replace(u"%s"_qs, groupOn < 0 ? QString() : TextMatrix(added[i].first, groupOn));
            for (int col = m_fixedCols; !totalOnly && col < groupOn; ++col)
                copied[i].append(TextMatrix(added[i].first, col));
        }
        reorderRows(order);
        for (qsizetype i = 0; i < added.size(); ++i) {
            const int row = addedRows[i];
            GridRow& info = m_rows[row];
            info.subtotalGroupOn = groupOn;
            info.foreColor = foreColor;
            info.backColor = backColor;
            info.bold = bold;
            for (qsizetype c = 0; c < copied[i].size(); ++c)
                m_cells[m_fixedCols + c].setText(row, copied[i][c]);
            if (captionCol >= 0)
                m_cells[captionCol].setText(row, captions[i]);
            m_cells[totalOn].setText(row, added[i].total);
        }
    });
}

void GridModel::fillSubtotals(int function, int groupOn, int totalOn, const QString& format, bool below)
{
    SubtotalAccumulator accumulator(function);
    int target = -1;
    for (int row = m_fixedRows; row <= Rows(); ++row) {
        const bool end = row == Rows();
        if (!end && !m_rows[row].IsSubtotal()) {
            accumulator.Add(m_cells[totalOn].text(row));
            continue;
        }
        if (!end && m_rows[row].subtotalGroupOn != groupOn)
            continue;
        if (below && !end)
            m_cells[totalOn].setText(row, accumulator.Result(format));
        if (!below && target >= 0)
            m_cells[totalOn].setText(target, accumulator.Result(format));
        target = row;
        accumulator.Reset();
    }
}
