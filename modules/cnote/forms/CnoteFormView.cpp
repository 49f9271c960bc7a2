#include "CnoteFormView.h"

#include "controls/kvTxt_S.h"
#include "grid/FlexGrid.h"
#include "grid/GridCodes.h"
#include "mPub.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

using namespace CnoteFields;

namespace {

constexpr int kRow = 29;       // row pitch inside a frame
constexpr int kBoxHeight = 27;
constexpr int kFrameTop = 22;  // first row below a frame's caption
constexpr int kSpareRows = 5;  // empty goods lines offered while editing
const QString kHeading = QStringLiteral("行号|货物名称           |件数        |包装         |托运人确定重量(公斤)|长*宽*高=体积(m3)|货物保价(元)  |计费重量(元)  ");
const QString kInvalid = QStringLiteral("输入有误，请重新输入！");

QRect frameRow(int column, int row, int columns, int frameWidth)
{
    const int width = (frameWidth - 12 - (columns - 1) * 8) / columns;
    return {6 + column * (width + 8), kFrameTop + row * kRow, width, kBoxHeight};
}

}  // namespace

CnoteFormView::CnoteFormView(QWidget* form) : m_form(form), m_layout(QSize(kDesignWidth, kDesignHeight))
{
    buildHeader();
    buildParties();
    buildMoney();
    buildFooter();
}

void CnoteFormView::place(QWidget* control, const QRect& rect)
{
    m_layout.Add(control, rect);
    m_controls.append(control);
}

kvTxt_S* CnoteFormView::addBox(QWidget* parent, int index, const QString& caption, const QRect& rect)
{
    auto* box = new kvTxt_S(parent);
    box->setObjectName(QStringLiteral("kvtxt"));
    box->setProperty(mPub::ControlIndexProperty, index);
    box->SetIndex(index);
    box->SetCaption(caption);
    m_boxes[index] = box;
    place(box, rect);
    return box;
}

QGroupBox* CnoteFormView::addFrame(const QString& caption, const QRect& rect)
{
    auto* frame = new QGroupBox(caption, m_form);
    place(frame, rect);
    return frame;
}

QCheckBox* CnoteFormView::addCheck(QWidget* parent, const QString& caption, const QRect& rect)
{
    auto* check = new QCheckBox(caption, parent);
    place(check, rect);
    return check;
}

QLabel* CnoteFormView::addLabel(const QString& text, const QRect& rect)
{
    auto* label = new QLabel(text, m_form);
    place(label, rect);
    return label;
}

void CnoteFormView::buildHeader()
{
    m_caption = addLabel(QStringLiteral("托运单"), {254, 4, 300, 32});
    m_caption->setObjectName(QStringLiteral("lbl_Caption"));
    m_caption->setAlignment(Qt::AlignCenter);
    QFont big = m_caption->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    m_caption->setFont(big);
    m_record = addLabel(QStringLiteral("记录：0/0"), {640, 8, 160, 24});
    m_record->setObjectName(QStringLiteral("lblRecord"));
    m_record->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_audited = addLabel(QStringLiteral("已审核"), {8, 8, 70, 24});
    m_audited->setObjectName(QStringLiteral("Lab_Succeed"));
    m_audited->setStyleSheet(QStringLiteral("color: #c62828; font-weight: bold;"));
    m_filtering = addLabel(QStringLiteral("过滤中"), {84, 8, 70, 24});
    m_filtering->setObjectName(QStringLiteral("LabFilter"));
    m_filtering->setStyleSheet(QStringLiteral("color: #1565c0; font-weight: bold;"));
    m_audited->hide();
    m_filtering->hide();

    addBox(m_form, Number, QStringLiteral("运单号"), {8, 40, 250, kBoxHeight});
    addBox(m_form, NoteDate, QStringLiteral("托运日期"), {270, 40, 220, kBoxHeight});
    m_chk = addCheck(m_form, QStringLiteral("引用数据(&H)"), {690, 42, 115, 24});
    m_chk->setObjectName(QStringLiteral("Chk"));
}

void CnoteFormView::buildParties()
{
    QGroupBox* route = addFrame(QStringLiteral(" 托运路线"), {8, 72, 258, 112});
    addBox(route, StartWay, QStringLiteral("发站  "), frameRow(0, 0, 1, 258));
    addBox(route, EndWay, QStringLiteral("到站  "), frameRow(0, 1, 1, 258));
    addBox(route, MidWay1, QStringLiteral("由经  "), frameRow(0, 2, 2, 258));
    addBox(route, MidWay2, QStringLiteral("中转至"), frameRow(1, 2, 2, 258));

    const struct {
        const char* caption;
        int x;
        int name, addr, lxr, phone;
    } parties[] = {
        {"托运人", 272, FromName, FromAddr, FromLxr, FromPhone},
        {"收货人", 540, ToName, ToAddr, ToLxr, ToPhone},
    };
    for (const auto& p : parties) {
        QGroupBox* frame = addFrame(QString::fromUtf8(p.caption), {p.x, 72, 262, 112});
        addBox(frame, p.name, QStringLiteral("单位  "), frameRow(0, 0, 1, 262));
        addBox(frame, p.addr, QStringLiteral("地址  "), frameRow(0, 1, 1, 262));
        addBox(frame, p.lxr, QStringLiteral("联系人"), frameRow(0, 2, 2, 262));
        addBox(frame, p.phone, QStringLiteral("电话"), frameRow(1, 2, 2, 262));
    }

    m_grid = new FlexGrid(m_form);
    m_grid->setObjectName(QStringLiteral("kvGrid"));
    m_grid->setProperty(mPub::ControlTypeProperty, QStringLiteral("kvGrid"));
    place(m_grid, {8, 190, 796, 132});
}

void CnoteFormView::buildMoney()
{
    const struct {
        const char* caption;
        int x, width;
        QList<std::pair<int, const char*>> boxes;
    } frames[] = {
        {"收入项目", 8, 150, {{Freight, "运费  "}, {DirectFee, "直送费"}, {InsuranceFee, "保险费"}, {OtherFee, "其他  "}, {Subtotal, "小计  "}}},
        {"付款方式", 162, 170, {{Cash, "现金    "}, {Owed, "欠款    "}, {OnCollection, "提付    "}, {Rebate, "回扣    "}, {RebatePaid, "已付回扣"}}},
    };
    for (const auto& f : frames) {
        QGroupBox* frame = addFrame(QString::fromUtf8(f.caption), {f.x, 328, f.width, 170});
        for (int row = 0; row < f.boxes.size(); ++row)
            addBox(frame, f.boxes[row].first, QString::fromUtf8(f.boxes[row].second), frameRow(0, row, 1, f.width));
    }

    QGroupBox* collection = addFrame(QStringLiteral("提货方式"), {336, 328, 92, 170});
    const char* checks[] = {"自提", "直送", "签回单", "打收条"};
    for (int i = 0; i < 4; ++i) {
        m_chkTH[i] = addCheck(collection, QString::fromUtf8(checks[i]), {10, kFrameTop + i * kRow + 8, 76, 24});
        m_chkTH[i]->setObjectName(QStringLiteral("chkTH"));
        m_chkTH[i]->setProperty(mPub::ControlIndexProperty, i);
    }

    QGroupBox* other = addFrame(QStringLiteral("其它"), {432, 328, 372, 170});
    const std::pair<int, const char*> boxes[] = {
        {CollectFreight, "向收货人代收运费"}, {CollectGoods, "向收货人代收货款"}, {DeliveryCopies, "附送货单份数    "},
        {InvoiceCopies, "发票份数"},          {Signer, "签收人姓名      "},       {SignerId, "签收人证件号    "},
    };
    for (int i = 0; i < 6; ++i)
        addBox(other, boxes[i].first, QString::fromUtf8(boxes[i].second), frameRow(i / 3, i % 3, 2, 372));
}

void CnoteFormView::buildFooter()
{
    addBox(m_form, Comments, QStringLiteral("备注"), {8, 504, 396, kBoxHeight});
    addBox(m_form, Warehouse, QStringLiteral("入库员"), {410, 504, 128, kBoxHeight});
    addBox(m_form, Acceptor, QStringLiteral("受理员"), {542, 504, 128, kBoxHeight});
    addBox(m_form, Cashier, QStringLiteral("收款人"), {674, 504, 130, kBoxHeight});
    addBox(m_form, MakeDate, QStringLiteral("制单日期"), {8, 536, 196, kBoxHeight});
    addBox(m_form, Maker, QStringLiteral("制单人"), {208, 536, 196, kBoxHeight});
    addBox(m_form, AuditDate, QStringLiteral("审核日期"), {410, 536, 196, kBoxHeight});
    addBox(m_form, Auditor, QStringLiteral("审核人"), {610, 536, 194, kBoxHeight});
}

void CnoteFormView::ApplySettings()
{
    const struct {
        int box;
        const char* column;
        const char* helpCode;
    } lookups[] = {{StartWay, "startway", "gy_cnote_fz"}, {EndWay, "endway", "gy_cnote_dz"}};
    for (const auto& l : lookups) {
        kvTxt_S* box = m_boxes[l.box];
        const QString column = QString::fromUtf8(l.column);
        box->SetErrorText(kInvalid + box->Caption().trimmed());
        box->SetCodeField(column);
        box->SetNameField(column);
        box->SetLookupSql(QStringLiteral("Select %1,'' From cnote  where %1='@'").arg(column));
        box->SetHelpCode(QString::fromUtf8(l.helpCode));
        box->SetKindSetting(0);
        box->SetHelpEnabled(true);
        box->SetCheckOnLeave(true);
        box->SetDataKind(1);
        box->SetInputMode(1);
    }
    kvTxt_S* shipper = m_boxes[FromName];
    shipper->SetErrorText(kInvalid + shipper->Caption().trimmed());
    shipper->SetKindSetting(2);
    shipper->SetHelpEnabled(true);
    shipper->SetCheckOnLeave(true);
    shipper->SetDataKind(1);
    shipper->SetInputMode(1);

    kvTxt_S* date = m_boxes[NoteDate];
    date->SetHelpEnabled(true);
    date->SetCheckOnLeave(true);
    date->SetKindSetting(1);
    date->SetDataKind(2);
    date->SetInputMode(7);

    // Amounts are number boxes: a text that is not a plain number (such as "1,200") marks the box
    // invalid instead of being stored as some other amount.
    for (int index = 0; index < kBoxCount; ++index) {
        if (!IsNumberBox(index))
            continue;
        m_boxes[index]->SetDataKind(3);
        m_boxes[index]->SetInputMode(1);
        m_boxes[index]->SetErrorText(kInvalid + m_boxes[index]->Caption().trimmed());
    }
}

void CnoteFormView::SetupGrid()
{
    m_grid->SetRedraw(false);
    GridModel& grid = m_grid->Grid();
    grid.SetFormatString(kHeading);
    for (int col = 0; col < grid.Cols(); ++col)
        grid.SetColWidth(col, 0);
    FitGridHeadings();
    grid.SetFixedRows(1);
    grid.SetFixedCols(0);
    for (int col = 0; col < grid.Cols(); ++col) {
        grid.ResetColumn(col);
        const bool text = col == 1 || col == 3;
        grid.SetColKind(col, col == 0 ? GridCodes::KindReadOnly : text ? GridCodes::KindText : GridCodes::KindNumber);
    }
    m_grid->SetRedraw(true);
}

void CnoteFormView::FitGridHeadings()
{
    GridModel& grid = m_grid->Grid();
    const QStringList headings = kHeading.split(QLatin1Char('|'));
    const QFontMetrics metrics(m_grid->font());
    for (int col = 0; col < std::min<int>(headings.size(), grid.Cols()); ++col)
        grid.SetColWidth(col, std::max(grid.ColWidth(col), (metrics.horizontalAdvance(headings[col]) + 20) * 15));
}

void CnoteFormView::SetGridRows(int lines)
{
    GridModel& grid = m_grid->Grid();
    grid.SetRows(grid.FixedRows() + lines);
}

void CnoteFormView::ScaleGridColumns(double ratio)
{
    GridModel& grid = m_grid->Grid();
    for (int col = 0; col < grid.Cols(); ++col)
        grid.SetColWidth(col, qRound(grid.ColWidth(col) * ratio));
}

void CnoteFormView::SetEditable(bool editable)
{
    for (kvTxt_S* box : m_boxes)
        box->SetLocked(!editable);
    for (QCheckBox* check : m_chkTH)
        check->setEnabled(editable);
    GridModel& grid = m_grid->Grid();
    grid.SetEditable(editable);
    if (editable) {
        int used = grid.Rows();
        while (used > grid.FixedRows() && grid.TextMatrix(used - 1, 1).isEmpty())
            --used;
        const int rows = std::max(grid.Rows(), used + kSpareRows);
        for (int row = grid.Rows(); row < rows; ++row) {
            grid.SetRows(row + 1);
            grid.SetTextMatrix(row, 0, QString::number(row - grid.FixedRows() + 1));
        }
    }
    for (int index : {Auditor, AuditDate, Maker, MakeDate})
        m_boxes[index]->setEnabled(false);
    m_chk->setEnabled(!editable);
}

void CnoteFormView::ClearGrid()
{
    m_grid->Grid().SetRows(m_grid->Grid().FixedRows());
}

void CnoteFormView::ClearForm()
{
    if (m_chk->isChecked()) {
        m_boxes[Number]->Clear();
    } else {
        for (kvTxt_S* box : m_boxes)
            box->Clear();
        ClearGrid();
    }
    m_record->setText(QStringLiteral("记录：0/0"));
    m_audited->hide();
}

void CnoteFormView::Relayout(const QSize& size)
{
    m_layout.Apply(size);
}
