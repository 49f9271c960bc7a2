#pragma once

#include "../system/OfficeFixture.h"
#include "CNOTE_S.h"
#include "GuiApplication.h"
#include "controls/kvTxt_S.h"
#include "dialogs/ScriptedDialogs.h"
#include "grid/FlexGrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

inline constexpr int kProgram = 650001;
inline constexpr int kOtherProgram = 650009;

// The standard office database with a CNOTE_S form on it for the standard note program.
class CnoteTest : public OfficeTest {
protected:
    void SetUp() override
    {
        OfficeTest::SetUp();
        m_system.AppInfo().UserName = QStringLiteral("admin");
        m_system.AppInfo().OperationDate = QDate(2026, 3, 15);
        m_system.AppInfo().AppPath = m_appDir.path();
        m_form = openForm(kProgram, 0);
    }

    std::unique_ptr<CNOTE_S> openForm(int program, int id)
    {
        auto form = std::make_unique<CNOTE_S>();
        form->Init(&m_system, program, id);
        return form;
    }

    // A note with the given id, program and number; fields not named keep their defaults.
    void addNote(int id, int program, const QString& number, const QString& fromName = QStringLiteral("华联商贸"),
                 const QString& date = QStringLiteral("2026-03-01"), const QString& smark = QStringLiteral("01"))
    {
        run(QStringLiteral("insert into cnote (cnoteID, progid, smark, cnoteDate, cnoteNumber, fromName, yuanfee, hejiyunfee, "
                           "consignMode, signhd) values (%1, %2, %3, #%4#, %5, %6, 0, 0, '', 1)")
                .arg(id)
                .arg(program)
                .arg(db().Quote(smark), date, db().Quote(number), db().Quote(fromName)));
    }

    void addGoods(const QString& number, int rowIndex, const QString& goods)
    {
        run(QStringLiteral("insert into cnoteMx (cnoteNumber, rowIndex, goods, piece, weight) values (%1, %2, %3, 2, 10.5)")
                .arg(db().Quote(number))
                .arg(rowIndex)
                .arg(db().Quote(goods)));
    }

    kvTxt_S* box(int index) const { return m_form->View().Box(index); }
    GridModel& grid() const { return m_form->View().Grid()->Grid(); }
    QString record() const { return m_form->View().Record()->text(); }
    QString number() const { return box(CnoteFields::Number)->Text(); }

    QTemporaryDir m_appDir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CNOTE_S> m_form;
};
