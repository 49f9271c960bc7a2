#pragma once

#include "ComponentBase.h"
#include "IDesignUI.h"
#include "IFormToolUI.h"
#include "IFormUI.h"

// Base of an entry form: IFormUI, IDesignUI and IFormToolUI on a widget.
// Events in order: Message, ErrMessage (ComponentBase), FormRefreshed, Property.
class CNOTE_CONTRACTS_EXPORT FormComponent : public ComponentBase,
                                             public IFormUI,
                                             public IDesignUI,
                                             public IFormToolUI {
    Q_OBJECT
public:
    explicit FormComponent(QWidget* parent = nullptr);

signals:
    // The form has loaded or reloaded its document.
    void FormRefreshed();
    void Property(const QString& psName, const QVariant& psValue, bool pbAutoUpdate);
};
