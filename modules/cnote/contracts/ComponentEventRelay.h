#pragma once

#include "ContractsExport.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariantList>

// Turns the events of one component into named events with ordered values, as the windows of
// the shell receive them from an embedded host: Message -> "message" (psMsg), ErrMessage ->
// "errmessage" (psMsg, plLevel, psTitle), Detaile -> "detaile" (plCzID, plID). The other events
// travel under their lower-cased names with their arguments in order ("formrefreshed",
// "property", "vsmousedown", "refreshgetgridstatus", "doselect", "docancel").
class CNOTE_CONTRACTS_EXPORT ComponentEventRelay : public QObject {
    Q_OBJECT
public:
    explicit ComponentEventRelay(QObject* parent = nullptr);

    // Relays the events of component (a form, report or picker); false for any other widget.
    // A component attached before is detached first.
    bool Attach(QWidget* component);
    void Detach();

signals:
    void NamedEvent(const QString& name, const QVariantList& values);

private:
    void attachCommon(class ComponentBase* component);
    void attachForm(class FormComponent* form);
    void attachReport(class ReportComponent* report);
    void attachPicker(class PickerComponent* picker);
    template <typename Sender, typename Signal>
    void relay(Sender* sender, Signal signal, const char* name);

    QList<QMetaObject::Connection> m_connections;
};
