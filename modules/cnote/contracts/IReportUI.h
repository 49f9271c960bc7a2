#pragma once

#include "ContractTypes.h"

#include <QString>
#include <QVariant>

class QWidget;

// Contract of a report. Operations in contract order; Boolean results are true for success.
class IReportUI {
public:
    virtual ~IReportUI() = default;

    virtual bool Init(AppSystem* pcSystem, int plCzID) = 0;
    virtual bool Clear() = 0;
    virtual bool Find(const QVariant& pvData) = 0;
    virtual bool FindNext() = 0;
    virtual bool Filter(const QVariant& pvData) = 0;
    virtual bool Refresh() = 0;
    virtual bool RecordTop() = 0;
    virtual bool RecordPrevious() = 0;
    virtual bool RecordNext() = 0;
    virtual bool RecordBottom() = 0;
    virtual bool PrintPreview() = 0;
    virtual bool DoPrint() = 0;
    virtual bool PrintSetup() = 0;
    virtual bool Help() = 0;
    virtual QString ReturnPrintName() const = 0;
    // psFile: the layout file to read or write.
    virtual void DoGetFormStatus(const QString& psFile) = 0;
    virtual void DoSaveFormStatus(const QString& psFile) = 0;
    virtual QString Attributes(const QString& psName) const = 0;
    // The report's grid, owned by the report.
    virtual QWidget* oTable() const = 0;
    // The report keeps the list it is handed and returns that same list.
    virtual ParameterListPtr Parameters() const = 0;
    virtual void SetParameters(ParameterListPtr parameters) = 0;
};
