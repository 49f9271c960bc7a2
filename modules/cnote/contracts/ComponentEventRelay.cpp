#include "ComponentEventRelay.h"

#include "FormComponent.h"
#include "PickerComponent.h"
#include "ReportComponent.h"

ComponentEventRelay::ComponentEventRelay(QObject* parent)
    : QObject(parent)
{
}

bool ComponentEventRelay::Attach(QWidget* component)
{
    Detach();
    if (auto* form = qobject_cast<FormComponent*>(component)) {
        attachForm(form);
        return true;
    }
    if (auto* report = qobject_cast<ReportComponent*>(component)) {
        attachReport(report);
        return true;
    }
    if (auto* picker = qobject_cast<PickerComponent*>(component)) {
        attachPicker(picker);
        return true;
    }
    return false;
}

void ComponentEventRelay::Detach()
{
    for (const QMetaObject::Connection& connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
}

// Connects signal so that its arguments, in order, become the values of the named event.
template <typename Sender, typename Signal>
void ComponentEventRelay::relay(Sender* sender, Signal signal, const char* name)
{
    const QString eventName = QString::fromLatin1(name);
    m_connections.append(connect(sender, signal, this, [this, eventName](auto... arguments) {
        emit NamedEvent(eventName, QVariantList{QVariant::fromValue(arguments)...});
    }));
}

void ComponentEventRelay::attachCommon(ComponentBase* component)
{
    relay(component, &ComponentBase::Message, "message");
    relay(component, &ComponentBase::ErrMessage, "errmessage");
}

void ComponentEventRelay::attachForm(FormComponent* form)
{
    attachCommon(form);
    relay(form, &FormComponent::FormRefreshed, "formrefreshed");
    relay(form, &FormComponent::Property, "property");
}

void ComponentEventRelay::attachReport(ReportComponent* report)
{
    attachCommon(report);
    relay(report, &ReportComponent::Detaile, "detaile");
    relay(report, &ReportComponent::VsMouseDown, "vsmousedown");
    relay(report, &ReportComponent::RefreshGetGridStatus, "refreshgetgridstatus");
    relay(report, &ReportComponent::Property, "property");
}

void ComponentEventRelay::attachPicker(PickerComponent* picker)
{
    relay(picker, &PickerComponent::DoSelect, "doselect");
    relay(picker, &PickerComponent::DoCancel, "docancel");
}
