#pragma once

#include "FormComponent.h"

#include <QStringList>

// An entry form for host tests. It records every contract call in the property "calls" (name,
// and for Find, Filter and DoSetStatus their arguments), fails the operations named in the
// property "failing", and keeps a dirty flag ("dirty") and an audit mark ("audited") that tests
// set and read. Properties read by hosts: searchColumns, recordKeyColumn.
class FakeForm : public FormComponent {
    Q_OBJECT
    Q_PROPERTY(QStringList calls MEMBER m_calls)
    Q_PROPERTY(QStringList failing MEMBER m_failing)
    Q_PROPERTY(bool dirty MEMBER m_dirty)
    Q_PROPERTY(bool audited MEMBER m_audited)
    Q_PROPERTY(QVariant lastPvData MEMBER m_lastPvData)
    Q_PROPERTY(QStringList searchColumns MEMBER m_searchColumns)
    Q_PROPERTY(QString recordKeyColumn MEMBER m_recordKeyColumn)
public:
    explicit FakeForm(QWidget* parent = nullptr);

    bool Init(AppSystem* pcSystem, int plCzID, int plID) override;
    bool Clear() override;
    bool FileNew() override;
    bool FileNewNext() override;
    bool FileEdit() override;
    bool FileDelete() override;
    bool FileSave() override;
    bool FileCancel() override;
    bool Find(const QVariant& pvData) override;
    bool FindNext() override;
    bool Filter(const QVariant& pvData) override;
    bool Refresh() override;
    bool RecordTop() override;
    bool RecordPrevious() override;
    bool RecordNext() override;
    bool RecordBottom() override;
    bool Check() override;
    bool UnCheck() override;
    bool PrintPreview() override;
    bool DoPrint() override;
    bool PrintSetup() override;
    bool Help() override;
    bool DoSetStatus(const QString& psStatusName, bool pbStatus) override;
    int GetID() const override { return m_id; }
    bool CheckStatus(const QString& psStatusName) const override;
    QString ReturnPrintName() const override { return m_printName; }
    bool IsDirty() const override { return m_dirty; }
    void DoGetFormStatus() override;
    void DoSaveFormStatus() override;
    QString Attributes(const QString& psName) const override;

    QVariantList Tools() const override { return {}; }
    bool Action(const QString& psKey) override;
    QList<QWidget*> Controls() const override { return {}; }
    ParameterListPtr DesignParameters() const override { return {}; }
    void SetDesignParameters(const ParameterList& parameters) override;

private:
    // Records the call; true unless the test made it fail.
    bool call(const QString& name);
    bool load(const QString& name, int id);

    QStringList m_calls;
    QStringList m_failing;
    bool m_dirty = false;
    bool m_audited = false;
    QVariant m_lastPvData;
    QStringList m_searchColumns{QStringLiteral("cnoteNumber=运单号"), QStringLiteral("startway=发站"),
                                QStringLiteral("fromName=托运人")};
    QString m_recordKeyColumn = QStringLiteral("cnoteNumber");
    int m_id = 0;
    QString m_printName;
    QString m_title;
};
