#pragma once

#include "ReportComponent.h"

#include <QStringList>

// A report for host tests. It records every contract call in the property "calls" (with the
// layout file for DoGetFormStatus and DoSaveFormStatus) and keeps the parameter list it is handed.
class FakeReport : public ReportComponent {
    Q_OBJECT
    Q_PROPERTY(QStringList calls MEMBER m_calls)
public:
    explicit FakeReport(QWidget* parent = nullptr);

    bool Init(AppSystem* pcSystem, int plCzID) override;
    bool Clear() override;
    bool Find(const QVariant& pvData) override;
    bool FindNext() override;
    bool Filter(const QVariant& pvData) override;
    bool Refresh() override;
    bool RecordTop() override;
    bool RecordPrevious() override;
    bool RecordNext() override;
    bool RecordBottom() override;
    bool PrintPreview() override;
    bool DoPrint() override;
    bool PrintSetup() override;
    bool Help() override;
    QString ReturnPrintName() const override { return {}; }
    void DoGetFormStatus(const QString& psFile) override;
    void DoSaveFormStatus(const QString& psFile) override;
    QString Attributes(const QString& /*psName*/) const override { return {}; }
    QWidget* oTable() const override { return nullptr; }
    ParameterListPtr Parameters() const override { return m_parameters; }
    void SetParameters(ParameterListPtr parameters) override;

    QList<QWidget*> Controls() const override { return {}; }
    ParameterListPtr DesignParameters() const override { return {}; }
    void SetDesignParameters(const ParameterList& /*parameters*/) override {}

private:
    bool call(const QString& name, bool result = true);

    QStringList m_calls;
    ParameterListPtr m_parameters;
};
