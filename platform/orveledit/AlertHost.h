#pragma once

#include "HostBase.h"

class QTableWidget;

// OrvelEdit.oalert: lists, read-only, what the operator should look at today: the consignment
// notes not yet audited, oldest first. It hosts no component; Py_Init takes no further
// arguments and is false only when the list cannot be read. Commands: refresh, close.
class AlertHost : public HostBase {
    Q_OBJECT
public:
    explicit AlertHost(QWidget* parent = nullptr);
    ~AlertHost() override;

    bool Py_Init(AppSystem* pcSystem, QObject* config, int program, const QVariantList& arguments) override;
    void Clear() override;
    bool Run(HostCommand command) override;

    QTableWidget* Table() const { return m_table; }

private:
    bool load();

    QTableWidget* m_table;
};
