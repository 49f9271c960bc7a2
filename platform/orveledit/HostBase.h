#pragma once

#include "ComponentEventRelay.h"
#include "HostCommand.h"
#include "hosts/EmbeddedHost.h"

#include <memory>

class HostToolBar;
class QVBoxLayout;

// What every embedded host shares: the toolbar above the component area, creating the
// component paired with the program, relaying its events as named events, and the failure text.
class HostBase : public EmbeddedHost {
    Q_OBJECT
public:
    // Level of the "errmessage" a host raises for its own failures: written to the log, not shown.
    static constexpr int kLogOnlyLevel = 1;

    explicit HostBase(QWidget* parent = nullptr);
    ~HostBase() override;

    HostToolBar* ToolBar() const { return m_toolBar; }
    // The hosted component; nullptr before Py_Init and after Clear.
    QWidget* Component() const { return m_component.get(); }
    // Runs a toolbar command as the operator would; false when the command failed or was refused.
    virtual bool Run(HostCommand command) = 0;

protected:
    // Creates the component paired with program, shows it below the toolbar and relays its
    // events. nullptr (and LastError set) on failure.
    QWidget* createComponent(AppSystem* system, int program);
    // Deletes the component; the caller has called its Clear.
    void releaseComponent();
    // Records why Py_Init failed and raises "errmessage" with it; returns false.
    bool fail(const QString& text);
    void raise(const QString& name, const QVariantList& values) { emit NamedEvent(name, values); }
    // Hands a print file on; without a print engine the file name goes to the status line.
    void handOnPrintFile(const QString& fileName);
    // Called for every component event before it goes to the window.
    virtual void componentEvent(const QString& name) { Q_UNUSED(name); }
    void setContent(QWidget* content);

    AppSystem* m_system = nullptr;
    int m_program = 0;

private:
    QVBoxLayout* m_layout;
    HostToolBar* m_toolBar;
    ComponentEventRelay m_relay;
    std::unique_ptr<QWidget> m_component;
};
