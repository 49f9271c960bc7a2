#pragma once

#include "ComponentBase.h"
#include "IDesignUI.h"
#include "IReportUI.h"

// Base of a report: IReportUI and IDesignUI on a widget.
// Events in order: Message, ErrMessage (ComponentBase), Detaile, VsMouseDown,
// RefreshGetGridStatus, Property.
class CNOTE_CONTRACTS_EXPORT ReportComponent : public ComponentBase,
                                               public IReportUI,
                                               public IDesignUI {
    Q_OBJECT
public:
    explicit ReportComponent(QWidget* parent = nullptr);

signals:
    // Open document plID of program plCzID in a new form window.
    void Detaile(int plCzID, int plID);
    void VsMouseDown(short Button, short Shift, float X, float Y);
    // The header of a refresh is built; the rows follow.
    void RefreshGetGridStatus();
    void Property(const QString& psName, const QVariant& psValue, bool pbAutoUpdate);
};
