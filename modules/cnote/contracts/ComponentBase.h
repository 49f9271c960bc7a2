#pragma once

#include "ContractsExport.h"

#include <QString>
#include <QWidget>

// Events and contracts of the business components.
//
// The contracts (IFormUI, IReportUI, IPickerUI, IDesignUI, IFormToolUI) are pure abstract classes.
// A component is a widget: it derives from one of the component bases (FormComponent,
// ReportComponent, PickerComponent), which bind the widget to its contracts and declare the
// component's events as Qt signals, in the order and with the arguments of the contract.
// A host creates a component by identifier, gets a QWidget*, and reaches contract and events
// through qobject_cast to the base; ComponentEventRelay turns the events into named events.
//
// ComponentBase holds the two events every form and report raises.
class CNOTE_CONTRACTS_EXPORT ComponentBase : public QWidget {
    Q_OBJECT
public:
    explicit ComponentBase(QWidget* parent = nullptr);

signals:
    // Status text for the host; the empty text clears it.
    void Message(const QString& psMsg);
    // A failure to be logged and shown; plLevel is a run-log kind (8 for failures).
    void ErrMessage(const QString& psMsg, int plLevel, const QString& psTitle);
};
