#pragma once

#include "ContractsExport.h"
#include "IDesignUI.h"
#include "IPickerUI.h"

#include <QWidget>

// Base of a picker: IPickerUI and IDesignUI on a widget. Events in order: DoSelect, DoCancel.
class CNOTE_CONTRACTS_EXPORT PickerComponent : public QWidget, public IPickerUI, public IDesignUI {
    Q_OBJECT
public:
    explicit PickerComponent(QWidget* parent = nullptr);

signals:
    // The operator chose the record now in Value, Text and Objects.
    void DoSelect();
    void DoCancel();
};
