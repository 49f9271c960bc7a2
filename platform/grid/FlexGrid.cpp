#include "grid/FlexGrid.h"

#include "Twips.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>

namespace {

int pixels(int twips)
{
    return Twips::ToPixels(twips);
}

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

FlexGrid::FlexGrid(QWidget* parent)
    : QWidget(parent)
    , m_model(new GridModel(this))
    , m_corner(makeView(false))
    , m_top(makeView(false))
    , m_left(makeView(false))
    , m_body(makeView(true))
{
    m_left->setSelectionModel(m_body->selectionModel());
    m_left->setEditTriggers(m_body->editTriggers());
    setFocusProxy(m_body);
    connect(m_body->horizontalScrollBar(), &QScrollBar::valueChanged, m_top->horizontalScrollBar(), &QScrollBar::setValue);
    connect(m_body->verticalScrollBar(), &QScrollBar::valueChanged, m_left->verticalScrollBar(), &QScrollBar::setValue);
    connect(m_left->verticalScrollBar(), &QScrollBar::valueChanged, m_body->verticalScrollBar(), &QScrollBar::setValue);
    connect(m_body->verticalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::AfterScroll);
    connect(m_body->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &FlexGrid::placeViews);
    connect(m_body->verticalScrollBar(), &QScrollBar::rangeChanged, this, &FlexGrid::placeViews);
    connect(m_body, &QTableView::doubleClicked, this, &FlexGrid::DblClick);
    connect(m_left, &QTableView::doubleClicked, this, &FlexGrid::DblClick);
    connect(m_model, &GridModel::LayoutChanged, this, &FlexGrid::syncLayout);
    syncLayout();
}

QTableView* FlexGrid::makeView(bool scrolling)
{
    auto* view = new QTableView(this);
    view->setModel(m_model);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->verticalHeader()->setMinimumSectionSize(1);
    view->horizontalHeader()->setMinimumSectionSize(1);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setWordWrap(false);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    view->viewport()->installEventFilter(this);
    if (!scrolling) {
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setFocusPolicy(Qt::NoFocus);
    }
    return view;
}

int FlexGrid::frozenEnd() const
{
    return std::min(m_model->FixedCols() + m_model->FrozenCols(), m_model->Cols());
}

void FlexGrid::syncLayout()
{
    const GridModel& grid = *m_model;
    const int fixedRows = std::min(grid.FixedRows(), grid.Rows());
    const int frozen = frozenEnd();
    const int usualHeight = grid.Rows() > fixedRows ? grid.RowHeight(fixedRows) : grid.DefaultRowHeight();
    const QList<QTableView*> views{m_corner, m_top, m_left, m_body};
    for (QTableView* view : views) {
        const bool leftSide = view == m_corner || view == m_left;
        for (int col = 0; col < grid.Cols(); ++col) {
            const bool shown = !grid.ColHidden(col) && grid.ColWidth(col) > 0 && (col < frozen) == leftSide;
            view->setColumnHidden(col, !shown);
            if (shown)
                view->setColumnWidth(col, pixels(grid.ColWidth(col)));
        }
        view->verticalHeader()->setDefaultSectionSize(std::max(pixels(usualHeight), 1));
        view->clearSpans();
    }
    for (int row = 0; row < grid.Rows(); ++row) {
        const bool hidden = grid.RowHidden(row);
        const int height = grid.RowHeight(row);
        for (QTableView* view : views) {
            const bool scrolling = view == m_left || view == m_body;
            const bool hide = hidden || (scrolling && row < fixedRows);
            if (view->isRowHidden(row) != hide)
                view->setRowHidden(row, hide);
            if (height != usualHeight || row < fixedRows)
                view->setRowHeight(row, std::max(pixels(height), 1));
        }
    }
    for (const QRect& range : grid.MergedRanges()) {
        const bool fixedRow = range.top() < fixedRows;
        const bool leftSide = range.left() < frozen;
        QTableView* view = fixedRow ? (leftSide ? m_corner : m_top) : (leftSide ? m_left : m_body);
        view->setSpan(range.top(), range.left(), range.height(), range.width());
    }
    placeViews();
}

void FlexGrid::placeViews()
{
    const GridModel& grid = *m_model;
    int topHeight = 0;
    for (int row = 0; row < std::min(grid.FixedRows(), grid.Rows()); ++row)
        topHeight += grid.RowHidden(row) ? 0 : std::max(pixels(grid.RowHeight(row)), 1);
    int leftWidth = 0;
    for (int col = 0; col < frozenEnd(); ++col)
        leftWidth += grid.ColHidden(col) ? 0 : pixels(grid.ColWidth(col));
    topHeight = std::min(topHeight, height());
    leftWidth = std::min(leftWidth, width());
    m_body->setGeometry(leftWidth, topHeight, width() - leftWidth, height() - topHeight);
    m_corner->setGeometry(0, 0, leftWidth, topHeight);
    m_corner->setVisible(leftWidth > 0 && topHeight > 0);
    m_top->setVisible(topHeight > 0);
    m_left->setVisible(leftWidth > 0);
    placeHeaders();
}

void FlexGrid::placeHeaders()
{
    // The fixed rows and frozen columns span the body's viewport, which a hidden grid sizes only
    // when it is shown: this runs again on every resize of the viewport.
    const QSize area = m_body->viewport()->size();
    m_top->setGeometry(m_body->x(), 0, area.width(), m_body->y());
    m_left->setGeometry(0, m_body->y(), m_body->x(), area.height());
    m_top->horizontalScrollBar()->setValue(m_body->horizontalScrollBar()->value());
    m_left->verticalScrollBar()->setValue(m_body->verticalScrollBar()->value());
}

void FlexGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeViews();
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == m_body->viewport())
        placeHeaders();
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mapFromGlobal(mouse->globalPosition().toPoint());
        emit MouseDown(buttonCode(mouse->button()), shiftCode(mouse->modifiers()), float(at.x() * Twips::PerPixel), float(at.y() * Twips::PerPixel));
    }
    return QWidget::eventFilter(watched, event);
}

int FlexGrid::Row() const
{
    return m_body->currentIndex().isValid() ? m_body->currentIndex().row() : m_model->FixedRows();
}

void FlexGrid::SetRow(int row)
{
    m_body->setCurrentIndex(m_model->index(row, Col()));
}

int FlexGrid::Col() const
{
    return m_body->currentIndex().isValid() ? m_body->currentIndex().column() : m_model->FixedCols();
}

void FlexGrid::SetCol(int col)
{
    m_body->setCurrentIndex(m_model->index(Row(), col));
}

int FlexGrid::TopRow() const
{
    const int row = m_body->rowAt(0);
    return row < 0 ? m_model->FixedRows() : row;
}

void FlexGrid::SetTopRow(int row)
{
    row = std::clamp(row, m_model->FixedRows(), m_model->Rows() - 1);
    if (row < 0)
        return;
    m_body->verticalScrollBar()->setValue(m_body->rowViewportPosition(row) + m_body->verticalScrollBar()->value());
}

void FlexGrid::SetRedraw(bool redraw)
{
    setUpdatesEnabled(redraw);
    m_model->SetRedraw(redraw);
}
