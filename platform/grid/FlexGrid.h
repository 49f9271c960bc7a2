#pragma once

#include "PlatformExport.h"
#include "grid/GridModel.h"

#include <QWidget>

class QTableView;

// The grid control: a GridModel shown with its fixed rows on top, its fixed and frozen columns
// at the left (both staying in place while the rest scrolls), merged cells, and the column
// widths, row heights and hidden flags of the model (twips, 15 twips = 1 pixel).
class ORVEL_PLATFORM_EXPORT FlexGrid : public QWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    GridModel& Grid() { return *m_model; }
    const GridModel& Grid() const { return *m_model; }

    // The current cell.
    int Row() const;
    void SetRow(int row);
    int Col() const;
    void SetCol(int col);
    // The first non-fixed row shown at the top.
    int TopRow() const;
    void SetTopRow(int row);

    // Off: changes of the model are neither drawn nor announced until it is switched on.
    bool Redraw() const { return m_model->Redraw(); }
    void SetRedraw(bool redraw);

    // The view of the scrolling cells (the one that takes the focus).
    QTableView* Body() const { return m_body; }

signals:
    void DblClick();
    // button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; x and y in twips.
    void MouseDown(int button, int shift, float x, float y);
    void AfterScroll();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* makeView(bool scrolling);
    void syncLayout();
    void placeViews();
    void placeHeaders();
    int frozenEnd() const;

    GridModel* m_model;
    QTableView* m_corner;
    QTableView* m_top;
    QTableView* m_left;
    QTableView* m_body;
};
