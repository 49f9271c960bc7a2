#include "CnoteWriter.h"

#include "CnoteFormView.h"
#include "CnoteLoader.h"
#include "CnoteStatements.h"
#include "controls/BoxFormat.h"
#include "controls/kvTxt_S.h"
#include "database/Database.h"
#include "dialogs/DialogService.h"
#include "grid/FlexGrid.h"
#include "system/AppSystem.h"

#include <QCheckBox>

using namespace CnoteFields;

namespace {

const QString kHint = QStringLiteral("提示：");
const QString kDuplicate = QStringLiteral("运单号重复,请检查!");
constexpr int kIdAttempts = 3;  // a new id is taken again when another station took the same one

}  // namespace

CnoteWriter::CnoteWriter(CnoteFormView& view, CnoteState& state, CnoteLoader& loader, Events events)
    : m_view(view), m_state(state), m_loader(loader), m_events(std::move(events))
{
}

Database& CnoteWriter::db() const
{
    return *m_system->Database();
}

CnoteEntry CnoteWriter::Entry() const
{
    CnoteEntry entry;
    for (int box = 0; box < kBoxCount; ++box)
        entry.texts[box] = m_view.Box(box)->Text();
    for (int i = 0; i < 4; ++i)
        entry.checks[i] = m_view.Collection(i)->isChecked();
    const GridModel& grid = m_view.Grid()->Grid();
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row) {
        if (grid.TextMatrix(row, 1).isEmpty())
            continue;
        CnoteEntry::GoodsLine line;
        for (int col = 0; col < 8; ++col)
            line[col] = grid.TextMatrix(row, col);
        entry.goods.append(line);
    }
    return entry;
}

bool CnoteWriter::IsCanSave()
{
    for (int index = 0; index < kBoxCount; ++index) {
        kvTxt_S* box = m_view.Box(index);
        if (box->Active() && !box->Valid()) {
            const QString caption = box->Caption().trimmed();
            DialogService::Current().Show(DialogIcon::Information, m_state.title,
                                          QStringLiteral("%1 输入有误：“%2”不是有效的%3，请重新输入！")
                                              .arg(caption, box->Text(), IsNumberBox(index) ? QStringLiteral("数字") : QStringLiteral("内容")));
            box->setFocus();
            return false;
        }
    }
    return true;
}

bool CnoteWriter::refuse(const QString& text, const QString& title)
{
    DialogService::Current().Show(DialogIcon::Information, title, text);
    m_view.Box(Number)->setFocus();
    db().ClearError();
    return false;
}

bool CnoteWriter::fail(const QString& text)
{
    if (db().InTransaction())
        db().RollbackTrans();
    m_events.error(text);
    db().ClearError();
    return false;
}

bool CnoteWriter::run(const QString& statement)
{
    db().Execute(statement, 1).Run();
    return db().LastError().IsEmpty();
}

bool CnoteWriter::hasRow(const QString& statement)
{
    DbRecordset rows = db().Execute(statement, 1).Recordset();
    const bool found = !rows.Eof();
    rows.Close();
    return found;
}

bool CnoteWriter::checkNumber(const CnoteStatements& sql, const QString& number, bool isNew)
{
    if (number.isEmpty()) {
        refuse(QStringLiteral("运单号为空，不能保存  "), m_state.title);
        return false;
    }
    if (!isNew) {
        if (hasRow(sql.DuplicateWhenChanging(m_state.currentId, m_state.program)))
            return refuse(kDuplicate, kHint);
        const QString stored = db().Execute(CnoteStatements::StoredNumber(m_state.currentId), 1).Value().toString();
        if (m_view.Box(Number)->Text() != stored)
            return refuse(QStringLiteral("运单号与原先保存的不一致，原运单号为：") + stored, kHint);
        return true;
    }
    if (hasRow(sql.DuplicateForNew(number, m_state.program)))
        return refuse(kDuplicate, m_state.title);
    return true;
}

CnoteWriter::Outcome CnoteWriter::write(const CnoteStatements& sql, qint64 id, bool isNew)
{
    if (!db().BeginTrans())
        return fail(db().LastError().Message), Outcome::Failed;
    if (!run(isNew ? sql.Insert(id, m_state.program) : sql.Update(id))) {
        const QString error = db().LastError().Message;
        db().RollbackTrans();
        db().ClearError();
        if (isNew && hasRow(sql.DuplicateForNew(m_view.Box(Number)->Text(), m_state.program)))
            return refuse(kDuplicate, m_state.title), Outcome::Failed;
        if (isNew && hasRow(QStringLiteral("select cnoteID from cnote where cnoteID=%1").arg(id)))
            return Outcome::IdTaken;
        return fail(error), Outcome::Failed;
    }
    // Goods lines of a new note are joined by number only: lines of a note of another program
    // that holds the same number are never removed.
    const bool shared = isNew && db().Execute(sql.NumberUsedElsewhere(id), 1).Value().toLongLong() > 0;
    if (!db().LastError().IsEmpty() || (!shared && !run(sql.RemoveGoods())))
        return fail(db().LastError().Message), Outcome::Failed;
    for (const CnoteEntry::GoodsLine& line : Entry().goods) {
        if (!run(sql.InsertGoods(line)))
            return fail(db().LastError().Message), Outcome::Failed;
    }
    if (!db().CommitTrans())
        return fail(db().LastError().Message), Outcome::Failed;
    return Outcome::Stored;
}

bool CnoteWriter::FileSave()
{
    if (!m_system || !IsCanSave())
        return false;
    const bool isNew = m_state.currentId < 1;
    QString number = m_view.Box(Number)->Text();
    if (isNew) {
        if (!m_system->NextNumber(m_state.program, m_system->AppInfo().OperationDate, &number, false)) {
            db().ClearError();
            return false;
        }
        // The number taken may differ from the one proposed when another station took that
        // one meanwhile: the note is saved with the number handed back.
        if (number != m_view.Box(Number)->Text())
            m_view.Box(Number)->SetText(number);
    }
    const CnoteEntry entry = Entry();
    const CnoteStatements sql(db(), entry);
    if (!checkNumber(sql, number, isNew))
        return false;

    qint64 id = m_state.currentId;
    Outcome outcome = Outcome::IdTaken;
    for (int attempt = 0; attempt < kIdAttempts && outcome == Outcome::IdTaken; ++attempt) {
        if (isNew) {
            const QString failure = m_loader.Navigator().NewID(QStringLiteral("cnote"), QStringLiteral("cnoteID"), &id);
            if (!failure.isEmpty())
                return fail(failure);
        }
        outcome = write(sql, id, isNew);
    }
    if (outcome == Outcome::IdTaken)
        return fail(QStringLiteral("保存时出错：单据编号被其他用户占用，请重新保存。"));
    if (outcome == Outcome::Failed)
        return false;
    m_state.currentId = id;
    if (!m_loader.FindData(QStringLiteral("cnoteID=") + QString::number(id), 0))
        return false;
    m_view.SetEditable(false);
    m_state.dirty = false;
    m_events.message(QStringLiteral("保存单据成功！"));
    db().ClearError();
    return true;
}

bool CnoteWriter::FileDelete()
{
    if (m_state.currentId <= 0) {
        DialogService::Current().Show(DialogIcon::Information, QStringLiteral("提示:"), QStringLiteral("没有可删除的记录!"));
        return false;
    }
    // Asked before the transaction opens, so that no lock is held while the operator decides.
    if (DialogService::Current().Show(DialogIcon::Question, QStringLiteral("提示:"), QStringLiteral("是否删除当前记录:"),
                                      DialogButtons::YesNo) != DialogAnswer::Yes)
        return false;
    if (!db().BeginTrans())
        return fail(QStringLiteral("CNOTE_S-->DeleteData::") + db().LastError().Message);
    const CnoteEntry entry = Entry();
    const CnoteStatements sql(db(), entry);
    const QDate date = BoxFormat::ParseDate(entry.text(NoteDate)).value_or(QDate());
    if (!m_system->ReleaseNumber(m_state.program, date, entry.text(Number))) {
        db().RollbackTrans();
        db().ClearError();
        return false;
    }
    if (!run(CnoteStatements::DeleteNote(m_state.currentId)))
        return fail(db().LastError().Message);
    const bool shared = db().Execute(sql.NumberUsedElsewhere(m_state.currentId), 1).Value().toLongLong() > 0;
    if (!db().LastError().IsEmpty() || (!shared && !run(sql.DeleteGoods())))
        return fail(db().LastError().Message);
    if (!db().CommitTrans())
        return fail(db().LastError().Message);
    m_loader.Navigator().Invalidate();
    const bool result = m_loader.LoadData(2);
    db().ClearError();
    return result;
}
