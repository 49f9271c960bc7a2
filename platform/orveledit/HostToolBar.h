#pragma once

#include "HostCommand.h"

#include <QMap>
#include <QToolBar>

#include <functional>
#include <initializer_list>

class QAction;

// The toolbar of a host: one action per command it offers, with the command's text and
// shortcut. Shortcuts work while the focus is anywhere inside the host.
class HostToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit HostToolBar(QWidget* parent = nullptr);

    // Adds the commands in the order given; triggered(command) runs for each.
    void AddCommands(std::initializer_list<HostCommand> commands,
                     const std::function<void(HostCommand)>& triggered);
    // The action of a command; nullptr when the toolbar does not offer it.
    QAction* Action(HostCommand command) const { return m_actions.value(command); }
    void SetEnabled(HostCommand command, bool enabled);

private:
    QMap<HostCommand, QAction*> m_actions;
};
