#pragma once

#include "ContractTypes.h"

#include <QString>
#include <QVariant>

class QObject;

// Contract of a picker that other forms use to choose a record.
class IPickerUI {
public:
    virtual ~IPickerUI() = default;

    virtual bool Init(AppSystem* pcSystem, int plProgID, const QString& psHostName) = 0;
    virtual bool Clear() = 0;
    virtual bool Refresh() = 0;
    virtual bool IsDirty() const = 0;
    virtual void SetIsDirty(bool dirty) = 0;
    virtual void DoGetFormStatus() = 0;
    virtual void DoSaveFormStatus() = 0;
    virtual QString Attributes(const QString& psName) const = 0;
    virtual ParameterListPtr Parameters() const = 0;
    virtual void SetParameters(ParameterListPtr parameters) = 0;
    // The code of the chosen record.
    virtual QVariant Value() const = 0;
    virtual void SetValue(const QVariant& value) = 0;
    // The display text of the chosen record.
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    // The chosen record as an object owned by the picker; nullptr when none is chosen.
    virtual QObject* Objects() const = 0;
    // Resolves typed text to a record without showing the picker; fills Objects, Value and Text
    // and returns the code and name through the two out arguments.
    virtual bool Validate(const QString& psSqlString, const QString& psField_Code,
                          const QString& psField_Name, const QString& psText,
                          QString& sReturnField_Code, QString& sReturnField_Name) = 0;
};
