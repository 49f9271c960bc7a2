#pragma once

#include "CnoteFields.h"
#include "ProportionalLayout.h"

#include <QList>
#include <array>

class FlexGrid;
class QCheckBox;
class QGroupBox;
class QLabel;
class QWidget;
class kvTxt_S;

// The controls of the consignment-note form: the entry boxes kvtxt(0..37), the goods grid, the
// check boxes and labels, placed proportionally to the form's size.
class CnoteFormView {
public:
    // Design size of the form in pixels (12135 x 8550 twips).
    static constexpr int kDesignWidth = 809;
    static constexpr int kDesignHeight = 570;

    explicit CnoteFormView(QWidget* form);

    kvTxt_S* Box(int index) const { return m_boxes[index]; }
    QCheckBox* Collection(int index) const { return m_chkTH[index]; }
    QCheckBox* ReuseData() const { return m_chk; }
    FlexGrid* Grid() const { return m_grid; }
    QLabel* Caption() const { return m_caption; }
    QLabel* Record() const { return m_record; }
    QLabel* Audited() const { return m_audited; }
    QLabel* Filtering() const { return m_filtering; }
    // Every control in creation order.
    QList<QWidget*> Controls() const { return m_controls; }

    // The box settings and the goods-grid set-up of Init.
    void ApplySettings();
    void SetupGrid();
    // Locks or unlocks the form; the making and audit boxes stay disabled, 引用数据 works only locked.
    void SetEditable(bool editable);
    // Empties the form; with 引用数据 ticked only the waybill number.
    void ClearForm();
    void ClearGrid();
    void Relayout(const QSize& size);
    void SetGridRows(int lines);
    // Column widths follow the font when it grows or shrinks by ratio.
    void ScaleGridColumns(double ratio);
    // Widens every goods column that is too narrow for its heading in the grid's font (widths
    // read from a layout file or scaled may be).
    void FitGridHeadings();

private:
    kvTxt_S* addBox(QWidget* parent, int index, const QString& caption, const QRect& rect);
    QGroupBox* addFrame(const QString& caption, const QRect& rect);
    QCheckBox* addCheck(QWidget* parent, const QString& caption, const QRect& rect);
    QLabel* addLabel(const QString& text, const QRect& rect);
    void place(QWidget* control, const QRect& rect);
    void buildHeader();
    void buildParties();
    void buildMoney();
    void buildFooter();

    QWidget* m_form;
    ProportionalLayout m_layout;
    std::array<kvTxt_S*, CnoteFields::kBoxCount> m_boxes{};
    std::array<QCheckBox*, 4> m_chkTH{};
    QCheckBox* m_chk = nullptr;
    FlexGrid* m_grid = nullptr;
    QLabel* m_caption = nullptr;
    QLabel* m_record = nullptr;
    QLabel* m_audited = nullptr;
    QLabel* m_filtering = nullptr;
    QList<QWidget*> m_controls;
};
