#include "dialogs/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptedDialogsTest, RecordsRequestsAndAnswersFromTheScript)
{
    ScriptedDialogs dialogs;
    dialogs.Answer(DialogAnswer::No);
    dialogs.Answer(DialogAnswer::Cancel);

    DialogService& current = DialogService::Current();
    EXPECT_EQ(&current, &dialogs);
    EXPECT_EQ(current.Show(DialogIcon::Question, "提示：", "保存吗？", DialogButtons::YesNo), DialogAnswer::No);
    EXPECT_EQ(current.Show(DialogIcon::Question, "提示：", "继续？", DialogButtons::OkCancel), DialogAnswer::Cancel);
    EXPECT_EQ(current.Show(DialogIcon::Critical, "错误：", "出错!"), DialogAnswer::Ok);

    const QList<DialogRequest> expected = {
        {DialogIcon::Question, "提示：", "保存吗？", DialogButtons::YesNo},
        {DialogIcon::Question, "提示：", "继续？", DialogButtons::OkCancel},
        {DialogIcon::Critical, "错误：", "出错!", DialogButtons::Ok},
    };
    EXPECT_EQ(dialogs.Requests(), expected);
    dialogs.Clear();
    EXPECT_TRUE(dialogs.Requests().isEmpty());
}

TEST(ScriptedDialogsTest, WithoutScriptTheFirstButtonAnswers)
{
    const std::pair<DialogButtons, DialogAnswer> cases[] = {
        {DialogButtons::Ok, DialogAnswer::Ok},
        {DialogButtons::OkCancel, DialogAnswer::Ok},
        {DialogButtons::YesNo, DialogAnswer::Yes},
        {DialogButtons::YesNoCancel, DialogAnswer::Yes},
        {DialogButtons::RetryCancel, DialogAnswer::Retry},
        {DialogButtons::AbortRetryIgnore, DialogAnswer::Abort},
    };
    ScriptedDialogs dialogs;
    for (const auto& [buttons, answer] : cases)
        EXPECT_EQ(dialogs.Ask({DialogIcon::None, "t", "x", buttons}), answer);
}

TEST(ScriptedDialogsTest, NestedDoublesRestoreThePreviousService)
{
    DialogService* const standard = &DialogService::Current();
    {
        ScriptedDialogs outer;
        {
            ScriptedDialogs inner;
            EXPECT_EQ(&DialogService::Current(), &inner);
        }
        EXPECT_EQ(&DialogService::Current(), &outer);
    }
    EXPECT_EQ(&DialogService::Current(), standard);
    EXPECT_EQ(dynamic_cast<ScriptedDialogs*>(standard), nullptr);
}

}  // namespace
