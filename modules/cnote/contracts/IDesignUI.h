#pragma once

#include "ContractTypes.h"

#include <QList>

class QWidget;

// Access to a component's controls and its look parameters.
// The look parameters are named DesignParameters here because a report and a picker also carry
// Parameters of their main contract with a different meaning, and one C++ class cannot hold two
// functions of the same signature from two bases.
class IDesignUI {
public:
    virtual ~IDesignUI() = default;

    // The component's controls in a fixed order (layout files visit them in this order).
    virtual QList<QWidget*> Controls() const = 0;
    // Components keep no look parameters: the read gives no list.
    virtual ParameterListPtr DesignParameters() const = 0;
    // Applies "backcolor" (a 32-bit colour) when the list has it; keeps nothing else.
    virtual void SetDesignParameters(const ParameterList& parameters) = 0;
};
