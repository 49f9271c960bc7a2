#include "HostToolBar.h"

#include <QAction>

HostToolBar::HostToolBar(QWidget* parent)
    : QToolBar(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setMovable(false);
}

void HostToolBar::AddCommands(std::initializer_list<HostCommand> commands,
                              const std::function<void(HostCommand)>& triggered)
{
    for (HostCommand command : commands) {
        const HostCommandInfo& info = HostCommandFor(command);
        QAction* action = addAction(QString::fromUtf8(info.text));
        action->setShortcut(info.shortcut);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        // The shortcut context is the host, which holds the toolbar and the component.
        if (parentWidget())
            parentWidget()->addAction(action);
        connect(action, &QAction::triggered, this, [triggered, command] { triggered(command); });
        m_actions.insert(command, action);
    }
}

void HostToolBar::SetEnabled(HostCommand command, bool enabled)
{
    if (QAction* action = Action(command))
        action->setEnabled(enabled);
}
