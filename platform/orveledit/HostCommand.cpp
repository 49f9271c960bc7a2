#include "HostCommand.h"

#include <array>

namespace {

const std::array<HostCommandInfo, 19>& table()
{
    static const std::array<HostCommandInfo, 19> commands{{
        {HostCommand::New, "新增", QKeySequence(Qt::Key_F2)},
        {HostCommand::Edit, "修改", {}},
        {HostCommand::Save, "保存", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {HostCommand::Cancel, "取消", QKeySequence(Qt::Key_Escape)},
        {HostCommand::Delete, "删除", {}},
        {HostCommand::First, "首张", {}},
        {HostCommand::Previous, "上张", QKeySequence(Qt::Key_PageUp)},
        {HostCommand::Next, "下张", QKeySequence(Qt::Key_PageDown)},
        {HostCommand::Last, "末张", {}},
        {HostCommand::Find, "查找", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {HostCommand::FindNext, "查找下一个", QKeySequence(Qt::Key_F3)},
        {HostCommand::Filter, "过滤", {}},
        {HostCommand::Refresh, "刷新", {}},
        {HostCommand::Check, "审核", {}},
        {HostCommand::UnCheck, "弃审", {}},
        {HostCommand::PrintPreview, "打印预览", {}},
        {HostCommand::Print, "打印", {}},
        {HostCommand::PrintSetup, "打印设置", {}},
        {HostCommand::Close, "关闭", {}},
    }};
    return commands;
}

}  // namespace

std::span<const HostCommandInfo> HostCommands()
{
    return table();
}

const HostCommandInfo& HostCommandFor(HostCommand command)
{
    return table()[static_cast<std::size_t>(command)];
}
