#pragma once

#include "ContractTypes.h"

#include <QString>
#include <QVariant>

// Contract of a document entry form. Operations in contract order; every Boolean result is true
// for success. Init comes first and Clear last; after Clear the form holds no AppSystem.
class IFormUI {
public:
    virtual ~IFormUI() = default;

    // Keeps pcSystem (not owned), the program number and the record to show first; shows nothing.
    virtual bool Init(AppSystem* pcSystem, int plCzID, int plID) = 0;
    virtual bool Clear() = 0;
    virtual bool FileNew() = 0;
    virtual bool FileNewNext() = 0;
    virtual bool FileEdit() = 0;
    virtual bool FileDelete() = 0;
    virtual bool FileSave() = 0;
    virtual bool FileCancel() = 0;
    // pvData: the search definition (PvData::ToVariant); null or invalid means none.
    virtual bool Find(const QVariant& pvData) = 0;
    virtual bool FindNext() = 0;
    virtual bool Filter(const QVariant& pvData) = 0;
    virtual bool Refresh() = 0;
    virtual bool RecordTop() = 0;
    virtual bool RecordPrevious() = 0;
    virtual bool RecordNext() = 0;
    virtual bool RecordBottom() = 0;
    virtual bool Check() = 0;
    virtual bool UnCheck() = 0;
    virtual bool PrintPreview() = 0;
    virtual bool DoPrint() = 0;
    virtual bool PrintSetup() = 0;
    virtual bool Help() = 0;
    // "change" reloads the shown document; other names report an audit state change.
    virtual bool DoSetStatus(const QString& psStatusName, bool pbStatus) = 0;
    virtual int GetID() const = 0;
    virtual bool CheckStatus(const QString& psStatusName) const = 0;
    virtual QString ReturnPrintName() const = 0;
    virtual bool IsDirty() const = 0;
    virtual void DoGetFormStatus() = 0;
    virtual void DoSaveFormStatus() = 0;
    // Capability query: "98" -> "check" for a form that supports audit.
    virtual QString Attributes(const QString& psName) const = 0;
};
