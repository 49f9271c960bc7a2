#include "controls/kvTxt_S.h"

#include "GuiApplication.h"

#include <QCalendarWidget>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using Kind = kvTxt_S::Kind;

// Typed as an operator does: Latin keys as key presses, Chinese as input-method commits.
void type(kvTxt_S& box, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box.Editor(), c.toLatin1());
        } else if (box.Editor()->testAttribute(Qt::WA_InputMethodEnabled)) {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QCoreApplication::sendEvent(box.Editor(), &commit);
        }
    }
}

void leave(kvTxt_S& box)
{
    QTest::keyClick(box.Editor(), Qt::Key_Return);
}

// A lookup box as an entry form sets it up for the departure station.
struct LookupBox : ::testing::Test {
    LookupBox()
    {
        box.SetIndex(4);
        box.SetCaption(QStringLiteral("发站  "));
        box.SetErrorText(QStringLiteral("输入有误，请重新输入！发站"));
        box.SetCodeField(QStringLiteral("startway"));
        box.SetNameField(QStringLiteral("startway"));
        box.SetLookupSql(QStringLiteral("Select startway,'' From cnote  where startway='@'"));
        box.SetHelpCode(QStringLiteral("gy_cnote_fz"));
        box.SetKindSetting(0);
        box.SetHelpEnabled(true);
        QObject::connect(&box, &kvTxt_S::ValidationRequest, &box,
                         [this](int index, const QString& sql, const QString& codeField, const QString& nameField,
                                QString& code, QString& name) {
                             requests.append({QString::number(index), sql, codeField, nameField});
                             if (known.contains(box.Text())) {
                                 code = known.value(box.Text());
                                 name = box.Text() + QStringLiteral("站");
                             }
                         });
    }

    kvTxt_S box;
    QMap<QString, QString> known{{QStringLiteral("上海"), QStringLiteral("SH")}};
    QList<QStringList> requests;
};

}  // namespace

TEST(kvTxtS, NumericSettingsChooseTheKind)
{
    const struct { int kindSetting; int dataKind; Kind kind; } cases[] = {
        {-1, 1, Kind::Text}, {0, 1, Kind::Lookup}, {1, 1, Kind::Text}, {1, 2, Kind::Date},
        {2, 1, Kind::Picker}, {-1, 3, Kind::Number}, {0, 2, Kind::Date},
    };
    for (const auto& c : cases) {
        kvTxt_S box;
        box.SetKindSetting(c.kindSetting);
        box.SetDataKind(c.dataKind);
        EXPECT_EQ(box.BoxKind(), c.kind) << c.kindSetting << "/" << c.dataKind;
    }
    kvTxt_S date;  // the entry form's date box: kind setting 1, settings 2 and 7
    date.SetKindSetting(1);
    date.SetDataKind(2);
    date.SetInputMode(7);
    EXPECT_EQ(date.BoxKind(), Kind::Date);
}

TEST(kvTxtS, CaptionSitsLeftOfTheEditor)
{
    kvTxt_S box;
    box.SetCaption(QStringLiteral("托运日期"));
    box.resize(300, 30);
    box.show();
    EXPECT_EQ(box.Caption(), QStringLiteral("托运日期"));
    auto* caption = box.findChild<QLabel*>();
    ASSERT_NE(caption, nullptr);
    EXPECT_LT(caption->geometry().right(), box.Editor()->geometry().left());
}

TEST(kvTxtS, TypingRaisesValueChangedWithTheIndex)
{
    kvTxt_S box;
    box.SetIndex(16);
    QSignalSpy changed(&box, &kvTxt_S::ValueChanged);
    type(box, QStringLiteral("12"));
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.last().at(0).toInt(), 16);
    box.SetText(QStringLiteral("3"));
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(box.Value(), QVariant(QStringLiteral("3")));
}

TEST(kvTxtS, NumberBoxKeepsAPlainDecimalPoint)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    kvTxt_S box;
    box.SetDataKind(3);
    box.SetValue(1234567.5);
    EXPECT_EQ(box.Text(), QStringLiteral("1234567.5"));
    EXPECT_EQ(box.Value(), QVariant(1234567.5));

    box.Clear();
    type(box, QStringLiteral("12.50"));
    leave(box);
    EXPECT_EQ(box.Text(), QStringLiteral("12.5"));
    EXPECT_DOUBLE_EQ(box.Value().toDouble(), 12.5);
    EXPECT_TRUE(box.Valid());

    box.SetDecimals(2);
    box.SetValue(QStringLiteral("3"));
    EXPECT_EQ(box.Text(), QStringLiteral("3.00"));
    QLocale::setDefault(QLocale::c());
}

TEST(kvTxtS, NumberBoxKeepsTextItCannotRead)
{
    kvTxt_S box;
    box.SetDataKind(3);
    type(box, QStringLiteral("1,5"));
    leave(box);
    EXPECT_EQ(box.Text(), QStringLiteral("1,5"));
    EXPECT_FALSE(box.Value().isValid());
    EXPECT_FALSE(box.Valid());
    EXPECT_EQ(box.ShownError(), QStringLiteral("输入有误，请重新输入！"));
    type(box, QStringLiteral("0"));
    EXPECT_TRUE(box.ShownError().isEmpty());  // typing clears the mark until the next check
}

TEST(kvTxtS, RestrictedInputTakesOnlyTheCharactersOfTheKind)
{
    kvTxt_S number;
    number.SetDataKind(3);
    number.SetInputMode(7);
    type(number, QStringLiteral("1a2,.5x"));
    EXPECT_EQ(number.Text(), QStringLiteral("12.5"));

    kvTxt_S date;
    date.SetDataKind(2);
    date.SetInputMode(7);
    type(date, QStringLiteral("2024年3月5"));
    EXPECT_EQ(date.Text(), QStringLiteral("202435"));
}

TEST(kvTxtS, DateBoxEditsIsoDates)
{
    const struct { const char* typed; const char* shown; bool valid; } cases[] = {
        {"2024-3-5", "2024-03-05", true}, {"20240229", "2024-02-29", true},
        {"2023-02-29", "2023-02-29", false}, {"3/5/2024", "3/5/2024", false}, {"", "", true},
    };
    for (const auto& c : cases) {
        kvTxt_S box;
        box.SetKindSetting(1);
        type(box, QString::fromUtf8(c.typed));
        leave(box);
        EXPECT_EQ(box.Text(), QString::fromUtf8(c.shown)) << c.typed;
        EXPECT_EQ(box.Valid(), c.valid) << c.typed;
        EXPECT_EQ(box.Value().isValid(), c.valid && *c.typed) << c.typed;
    }
    kvTxt_S box;
    box.SetKindSetting(1);
    box.SetValue(QDate(2024, 1, 9));
    EXPECT_EQ(box.Text(), QStringLiteral("2024-01-09"));
    EXPECT_EQ(box.Value(), QVariant(QDate(2024, 1, 9)));
}

TEST(kvTxtS, DateBoxCalendarPutsThePickedDate)
{
    kvTxt_S box;
    box.SetKindSetting(1);
    box.SetHelpEnabled(true);
    box.SetText(QStringLiteral("2024-03-05"));
    box.show();
    QTest::keyClick(box.Editor(), Qt::Key_F4);
    auto* calendar = box.findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2024, 3, 5));
    emit calendar->clicked(QDate(2024, 4, 1));
    EXPECT_EQ(box.Text(), QStringLiteral("2024-04-01"));
    EXPECT_FALSE(calendar->isVisible());
}

TEST_F(LookupBox, AcceptedTextTakesTheCodeAndName)
{
    type(box, QStringLiteral("上海"));
    leave(box);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0], (QStringList{QStringLiteral("4"),
                                        QStringLiteral("Select startway,'' From cnote  where startway='上海'"),
                                        QStringLiteral("startway"), QStringLiteral("startway")}));
    EXPECT_EQ(box.Text(), QStringLiteral("上海站"));
    EXPECT_EQ(box.Value(), QVariant(QStringLiteral("SH")));
    EXPECT_TRUE(box.Valid());
    EXPECT_EQ(requests.size(), 1);  // already checked
}

TEST_F(LookupBox, RejectedTextStaysWithTheErrorText)
{
    type(box, QStringLiteral("x'y"));
    leave(box);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0][1], QStringLiteral("Select startway,'' From cnote  where startway='x''y'"));
    EXPECT_EQ(box.Text(), QStringLiteral("x'y"));
    EXPECT_FALSE(box.Valid());
    EXPECT_EQ(box.ShownError(), QStringLiteral("输入有误，请重新输入！发站"));

    box.SetState(kvTxt_S::StateResolvedOutside);
    EXPECT_TRUE(box.Valid());
    EXPECT_TRUE(box.ShownError().isEmpty());
}

TEST_F(LookupBox, SaveCheckValidatesTextNotYetChecked)
{
    type(box, QStringLiteral("北京"));
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_TRUE(box.Active());
    EXPECT_FALSE(box.Valid());
    EXPECT_EQ(requests.size(), 1);
    known.insert(QStringLiteral("北京"), QStringLiteral("BJ"));
    EXPECT_TRUE(box.Validate());
    EXPECT_EQ(box.Value(), QVariant(QStringLiteral("BJ")));
}

TEST_F(LookupBox, EmptyOrLoadedTextNeedsNoCheck)
{
    EXPECT_TRUE(box.Valid());
    box.SetText(QStringLiteral("未知"));
    EXPECT_TRUE(box.Valid());
    EXPECT_TRUE(requests.isEmpty());
}

TEST_F(LookupBox, HelpRequestCarriesTheHelpCode)
{
    box.show();
    QList<QVariantList> helps;
    QObject::connect(&box, &kvTxt_S::HelpRequest, &box, [&](int index, const QString& value, int, int, int width) {
        helps.append({index, value, width});
    });
    QTest::keyClick(box.Editor(), Qt::Key_F4);
    box.findChild<QToolButton*>()->click();
    ASSERT_EQ(helps.size(), 2);
    EXPECT_EQ(helps[0], (QVariantList{4, QStringLiteral("gy_cnote_fz"), box.Editor()->width()}));
}

TEST(kvTxtS, PickerRequestFillsTextAndValue)
{
    kvTxt_S box;
    box.SetIndex(0);
    box.SetKindSetting(2);
    box.SetHelpEnabled(true);
    box.SetText(QStringLiteral("华"));
    QString seenText;
    QObject::connect(&box, &kvTxt_S::PickerRequest, &box, [&](int index, int, int, QString& text, QVariant& value) {
        EXPECT_EQ(index, 0);
        seenText = text;
        text = QStringLiteral("华东物流");
        value = 17;
    });
    box.RequestHelp();
    EXPECT_EQ(seenText, QStringLiteral("华"));
    EXPECT_EQ(box.Text(), QStringLiteral("华东物流"));
    EXPECT_EQ(box.Value(), QVariant(17));
    EXPECT_TRUE(box.Valid());
}

TEST(kvTxtS, PickerThatLeavesNoTextChangesNothing)
{
    kvTxt_S box;
    box.SetKindSetting(2);
    box.SetHelpEnabled(true);
    type(box, QStringLiteral("手写单位"));
    QObject::connect(&box, &kvTxt_S::PickerRequest, &box, [](int, int, int, QString& text, QVariant& value) {
        text.clear();
        value.clear();
    });
    box.RequestHelp();
    EXPECT_EQ(box.Text(), QStringLiteral("手写单位"));
    EXPECT_EQ(box.Value(), QVariant(QStringLiteral("手写单位")));
}

TEST(kvTxtS, LockedBoxTakesNoInputAndRaisesNothing)
{
    kvTxt_S box;
    box.SetKindSetting(2);
    box.SetHelpEnabled(true);
    box.SetText(QStringLiteral("原值"));
    box.SetLocked(true);
    int pickerRequests = 0;
    QObject::connect(&box, &kvTxt_S::PickerRequest, &box, [&] { ++pickerRequests; });
    type(box, QStringLiteral("新x"));
    box.RequestHelp();
    EXPECT_EQ(box.Text(), QStringLiteral("原值"));
    EXPECT_EQ(pickerRequests, 0);
    EXPECT_FALSE(box.Active());

    box.SetLocked(false);
    EXPECT_TRUE(box.Active());
    box.setEnabled(false);
    EXPECT_FALSE(box.Active());
}

TEST(kvTxtS, HelpNeedsTheHelpFlag)
{
    kvTxt_S box;
    box.SetKindSetting(0);
    box.show();
    QSignalSpy help(&box, &kvTxt_S::HelpRequest);
    QTest::keyClick(box.Editor(), Qt::Key_F4);
    EXPECT_EQ(help.count(), 0);
    EXPECT_FALSE(box.findChild<QToolButton*>()->isVisible());
    box.SetHelpEnabled(true);
    EXPECT_TRUE(box.findChild<QToolButton*>()->isVisible());
}

TEST(kvTxtS, LookupWithoutAReceiverKeepsTypedText)
{
    kvTxt_S box;
    box.SetKindSetting(0);
    type(box, QStringLiteral("ab"));
    leave(box);
    EXPECT_TRUE(box.Valid());
    EXPECT_EQ(box.Value(), QVariant(QStringLiteral("ab")));
}
