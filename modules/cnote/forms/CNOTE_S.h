#pragma once

#include "CnoteAudit.h"
#include "CnoteFormView.h"
#include "CnoteLoader.h"
#include "CnoteState.h"
#include "CnoteWriter.h"
#include "FormComponent.h"

// The consignment-note entry form: browse, find, filter, new, edit, save and delete notes of one
// program. Created by the identifier "CNOTE.CNOTE_S".
class CNOTE_S : public FormComponent {
    Q_OBJECT
public:
    explicit CNOTE_S(QWidget* parent = nullptr);

    // IFormUI
    bool Init(AppSystem* pcSystem, int plCzID, int plID) override;
    bool Clear() override;
    bool FileNew() override;
    bool FileNewNext() override { return false; }
    bool FileEdit() override;
    bool FileDelete() override { return m_writer.FileDelete(); }
    bool FileSave() override { return m_writer.FileSave(); }
    bool FileCancel() override;
    bool Find(const QVariant& pvData) override;
    bool FindNext() override;
    bool Filter(const QVariant& pvData) override;
    bool Refresh() override { return m_loader.LoadData(RecordNavigator::Last); }
    bool RecordTop() override { return m_loader.LoadData(RecordNavigator::First); }
    bool RecordPrevious() override { return m_loader.LoadData(RecordNavigator::Previous); }
    bool RecordNext() override { return m_loader.LoadData(RecordNavigator::Next); }
    bool RecordBottom() override { return m_loader.LoadData(RecordNavigator::Last); }
    bool Check() override { return m_audit.Check(); }
    bool UnCheck() override { return m_audit.UnCheck(); }
    bool PrintPreview() override { return false; }
    bool DoPrint() override { return false; }
    bool PrintSetup() override { return false; }
    bool Help() override { return false; }
    bool DoSetStatus(const QString& psStatusName, bool pbStatus) override;
    int GetID() const override { return int(m_state.currentId); }
    bool CheckStatus(const QString& psStatusName) const override;
    QString ReturnPrintName() const override { return m_printName; }
    bool IsDirty() const override { return m_state.dirty; }
    void DoGetFormStatus() override;
    void DoSaveFormStatus() override;
    QString Attributes(const QString& psName) const override;

    // IDesignUI
    QList<QWidget*> Controls() const override { return m_view.Controls(); }
    ParameterListPtr DesignParameters() const override { return nullptr; }
    void SetDesignParameters(const ParameterList& parameters) override;

    // IFormToolUI
    QVariantList Tools() const override { return {}; }
    bool Action(const QString&) override { return false; }

    // The form's parts, for the tests of this library.
    CnoteFormView& View() { return m_view; }
    CnoteLoader& Loader() { return m_loader; }
    CnoteWriter& Writer() { return m_writer; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectBoxes();
    void setEditable(bool editable);
    void clearForm();
    void updateSubtotal();
    void onPickerRequest(int index, QString& text, QVariant& value);
    void onValidationRequest(int index, const QString& sql, const QString& codeField, const QString& nameField,
                             QString& code, QString& name);
    void raiseError(const QString& text);
    QString layoutFile() const;
    // The font size against the designed one (the form grows its font on large screens).
    double fontScale() const;

    AppSystem* m_system = nullptr;
    CnoteState m_state;
    CnoteFormView m_view;
    CnoteLoader m_loader;
    CnoteWriter m_writer;
    CnoteAudit m_audit;
    QString m_printName;
    bool m_editable = false;
    double m_baseFontPoints = 0;
};
