#include "CNOTE_S.h"

#include "PvData.h"
#include "CnoteSearch.h"
#include "controls/kvTxt_S.h"
#include "database/Database.h"
#include "dialogs/DialogService.h"
#include "grid/FlexGrid.h"
#include "mPub.h"
#include "parameters/ParameterList.h"
#include "system/AppSystem.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>

using namespace CnoteFields;

namespace {

constexpr double kFontPoints = 9.5;
constexpr double kMaxFontScale = 1.45;

}  // namespace

CNOTE_S::CNOTE_S(QWidget* parent)
    : FormComponent(parent)
    , m_view(this)
    , m_loader(m_view, m_state,
               {[this](const QString& text) { raiseError(text); }, [this] { emit FormRefreshed(); }, [this] { clearForm(); }})
    , m_writer(m_view, m_state, m_loader,
               {[this](const QString& text) { raiseError(text); }, [this](const QString& text) { emit Message(text); }})
    , m_audit(m_state, [this](const QString& text) { raiseError(text); })
{
    QFont font(QStringList{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei")},
               -1);
    font.setPointSizeF(kFontPoints);
    setFont(font);
    m_baseFontPoints = kFontPoints;
    setAutoFillBackground(true);
    connectBoxes();
    setEditable(false);
    QSize size(CnoteFormView::kDesignWidth, CnoteFormView::kDesignHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->size().width() > 640)
        size = QSize(size.width() * screen->size().width() / 640, size.height() * screen->size().height() / 480);
    resize(size);
}

void CNOTE_S::connectBoxes()
{
    for (int index = 0; index < kBoxCount; ++index) {
        kvTxt_S* box = m_view.Box(index);
        connect(box, &kvTxt_S::ValueChanged, this, [this](int i) {
            if (i >= Freight && i <= OtherFee)
                updateSubtotal();
            if (m_editable)
                m_state.dirty = true;
        });
        connect(box, &kvTxt_S::HelpRequest, this, [this](int, const QString& value, int a, int b, int c) {
            if (m_system)
                m_system->CodeHelp(value, a, b, c, true);
            m_state.dirty = true;
        });
        connect(box, &kvTxt_S::ValidationRequest, this, &CNOTE_S::onValidationRequest);
    }
    connect(m_view.Box(FromName), &kvTxt_S::PickerRequest, this,
            [this](int index, int, int, QString& text, QVariant& value) { onPickerRequest(index, text, value); });
}

void CNOTE_S::updateSubtotal()
{
    double sum = 0;
    for (int index : {Freight, InsuranceFee, DirectFee, OtherFee})
        sum += ReadAmount(m_view.Box(index)->Text()).value_or(0);
    m_view.Box(Subtotal)->SetText(SqlNumber(sum));
}

// The shipper picker comes with its own component; until one is registered for this program
// the typed shipper is kept as it is.
void CNOTE_S::onPickerRequest(int index, QString& text, QVariant& value)
{
    if (text.isEmpty()) {
        text = m_view.Box(index)->Text();
        value = text;
    }
}

void CNOTE_S::onValidationRequest(int index, const QString& sql, const QString& codeField, const QString& nameField,
                                  QString& code, QString& name)
{
    const QString content = m_view.Box(index)->Text();
    if (index != FromName && m_system)
        m_system->CodeLookup(sql, codeField, nameField, content, &code, &name);
    if (name.isEmpty()) {
        name = content;
        code = content;
    }
    m_state.dirty = true;
}

void CNOTE_S::raiseError(const QString& text)
{
    emit ErrMessage(text, 8, m_state.title);
}

bool CNOTE_S::Init(AppSystem* pcSystem, int plCzID, int plID)
{
    m_state.program = plCzID;
    m_state.initialId = plID;
    m_system = pcSystem;
    Database* db = pcSystem ? pcSystem->Database() : nullptr;
    m_loader.Bind(db);
    m_writer.Bind(pcSystem);
    m_audit.Bind(pcSystem);
    if (db) {
        m_state.title = db->Execute(QStringLiteral("select menuname from xt_menu where progID=") + QString::number(plCzID), 1)
                            .Value()
                            .toString();
        db->ClearError();
        m_view.Caption()->setText(m_state.title);
    }
    m_view.ApplySettings();
    m_view.SetupGrid();
    return true;
}

bool CNOTE_S::Clear()
{
    m_loader.Release();
    m_writer.Bind(nullptr);
    m_audit.Bind(nullptr);
    m_system = nullptr;
    return false;
}

void CNOTE_S::setEditable(bool editable)
{
    m_editable = editable;
    m_view.SetEditable(editable);
}

void CNOTE_S::clearForm()
{
    m_state.previousId = m_state.currentId;
    m_state.currentId = 0;
    m_state.initialId = 0;
    m_view.ClearForm();
}

bool CNOTE_S::FileNew()
{
    clearForm();
    setEditable(true);
    QString number;
    const QDate today = m_system ? m_system->AppInfo().OperationDate : QDate();
    if (m_system)
        m_system->NextNumber(m_state.program, today, &number, true);
    m_view.Box(Number)->SetText(number);
    m_view.Box(NoteDate)->SetText(today.toString(QStringLiteral("yyyy-MM-dd")));
    m_view.Box(MakeDate)->SetText(today.toString(QStringLiteral("yyyy-MM-dd")));
    m_view.Box(Maker)->SetText(m_system ? m_system->AppInfo().UserName : QString());
    m_view.Box(number.isEmpty() ? Number : NoteDate)->setFocus();
    m_view.Record()->setText(QStringLiteral("新建记录..."));
    m_state.dirty = false;
    emit Message(QStringLiteral("正在新建单据中..."));
    return true;
}

bool CNOTE_S::FileEdit()
{
    if (m_state.currentId <= 0) {
        DialogService::Current().Show(DialogIcon::Information, QStringLiteral("请注意！"), QStringLiteral("没有选择单据"));
        return false;
    }
    setEditable(true);
    m_state.dirty = false;
    emit Message(QStringLiteral("正在修改单据中..."));
    return true;
}

bool CNOTE_S::FileCancel()
{
    if (!m_loader.FindData(QStringLiteral(" cnoteID=") + QString::number(m_state.previousId), 0))
        return false;
    setEditable(false);
    m_state.dirty = false;
    emit Message(QString());
    return true;
}

bool CNOTE_S::Find(const QVariant& pvData)
{
    const std::optional<PvData> definition = PvData::FromVariant(pvData);
    if (pvData.isNull() || !definition)
        return false;
    const QString driver = m_system ? m_system->Database()->Properties(QStringLiteral("driver")).Value.toString() : QString();
    m_state.findCondition = CnoteSearch::BuildCondition(*definition, PvData::FindSlot, driver);
    m_loader.FindData(m_state.findCondition, 0);
    return false;
}

bool CNOTE_S::FindNext()
{
    if (!m_state.findCondition.isEmpty())
        m_loader.FindData(m_state.findCondition + QStringLiteral(" AND cnoteID > ") + QString::number(m_state.currentId), -1);
    return false;
}

bool CNOTE_S::Filter(const QVariant& pvData)
{
    const std::optional<PvData> definition = PvData::FromVariant(pvData);
    if (pvData.isNull() || !definition)
        return false;
    const QString driver = m_system ? m_system->Database()->Properties(QStringLiteral("driver")).Value.toString() : QString();
    m_state.filterCondition = CnoteSearch::BuildCondition(*definition, PvData::FilterSlot, driver);
    m_loader.LoadData(RecordNavigator::Last);
    return false;
}

bool CNOTE_S::DoSetStatus(const QString& psStatusName, bool pbStatus)
{
    if (psStatusName == QLatin1String("change"))
        return m_loader.FindData(QStringLiteral(" cnoteID=") + QString::number(m_state.currentId), 0);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    emit Message(QStringLiteral("数据正在切换状态"));
    setEditable(false);
    m_view.Audited()->setVisible(pbStatus);
    // The note whose state changed stays in view; loading the last note would show another one.
    bool result = false;
    if (m_state.currentId > 0) {
        result = m_loader.FindData(QStringLiteral(" cnoteID=") + QString::number(m_state.currentId), 0);
        emit FormRefreshed();
    } else {
        result = m_loader.LoadData(RecordNavigator::Last);
    }
    emit Message(QString());
    QGuiApplication::restoreOverrideCursor();
    return result;
}

bool CNOTE_S::CheckStatus(const QString&) const
{
    return !m_view.Audited()->isHidden();
}

QString CNOTE_S::Attributes(const QString& psName) const
{
    bool ok = false;
    const double value = psName.trimmed().toDouble(&ok);
    return ok && value == 98 ? QStringLiteral("check") : QString();
}

void CNOTE_S::SetDesignParameters(const ParameterList& parameters)
{
    if (!parameters.Exists(QStringLiteral("backcolor")))
        return;
    // A 32-bit colour of the form 0x00BBGGRR.
    const quint32 bgr = parameters.Item(QStringLiteral("backcolor")).Value.toUInt();
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff));
    setPalette(palette);
}

QString CNOTE_S::layoutFile() const
{
    return mPub::LayoutFilePath(QStringLiteral("CNOTE_S") + QString::number(m_state.program),
                                m_system ? m_system->AppInfo().AppPath : QString());
}

double CNOTE_S::fontScale() const
{
    return m_baseFontPoints > 0 ? font().pointSizeF() / m_baseFontPoints : 1.0;
}

// Widths are stored for the designed font size: stored at a larger size, they would grow again
// with every start on a large screen.
void CNOTE_S::DoGetFormStatus()
{
    mPub::LoadFormState(layoutFile(), {m_view.Grid()}, true, {});
    m_view.ScaleGridColumns(fontScale());
    m_view.FitGridHeadings();
}

void CNOTE_S::DoSaveFormStatus()
{
    GridModel& grid = m_view.Grid()->Grid();
    QList<int> shown;
    for (int col = 0; col < grid.Cols(); ++col)
        shown << grid.ColWidth(col);
    m_view.ScaleGridColumns(1.0 / fontScale());
    mPub::SaveFormState(layoutFile(), {m_view.Grid()}, true);
    for (int col = 0; col < grid.Cols(); ++col)
        grid.SetColWidth(col, shown.at(col));
}

void CNOTE_S::resizeEvent(QResizeEvent* event)
{
    FormComponent::resizeEvent(event);
    const double scale = std::min(double(event->size().width()) / CnoteFormView::kDesignWidth,
                                  double(event->size().height()) / CnoteFormView::kDesignHeight);
    QFont scaled = font();
    scaled.setPointSizeF(m_baseFontPoints * std::clamp(scale, 1.0, kMaxFontScale));
    if (scaled != font()) {
        m_view.ScaleGridColumns(scaled.pointSizeF() / font().pointSizeF());
        setFont(scaled);
        m_view.FitGridHeadings();
    }
    m_view.Relayout(event->size());
}
