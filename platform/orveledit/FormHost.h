#pragma once

#include "FormCommandStates.h"
#include "HostBase.h"
#include "PvData.h"

#include <functional>
#include <memory>

class FormComponent;
class SearchDialog;

// OrvelEdit.oedit: hosts an entry form (IFormUI) with its toolbar.
//
// Py_Init arguments after the program number: record id (number, 0 for none), mode (1 new,
// 2 edit, 3 detail, 0 plain). After the form's Init the host restores the form's layout and
// runs the first command of the mode: new (FileNew), edit (first document, then FileEdit), else
// the first document. Audit commands are offered when Attributes("98") is "check".
//
// What the host reads of the form besides the contract (Qt properties of the component):
// - searchColumns (QStringList, entries "column" or "column=caption"): the columns the find and
//   filter dialogs offer; without it the operator types column names.
// - recordKeyColumn (QString): the column a text record id ("sID" of SetParameters) is found in;
//   the host then calls Find with that column equal to the id.
//
// Before a command that leaves the shown document (navigation, new, find, filter, refresh,
// close) with unsaved edits, the host asks whether to save them: yes saves (a failed save stays),
// no drops them (FileCancel), cancel stays. Close raises "unload" (true).
class FormHost : public HostBase {
    Q_OBJECT
public:
    // Shows the find or filter dialog and returns whether the operator confirmed it.
    using DialogRunner = std::function<bool(SearchDialog&)>;

    explicit FormHost(QWidget* parent = nullptr);
    ~FormHost() override;

    bool Py_Init(AppSystem* pcSystem, QObject* config, int program, const QVariantList& arguments) override;
    void SetParameters(ParameterListPtr parameters) override;
    void Clear() override;
    bool IsDirty() const override;
    bool SaveChanges() override;
    bool Run(HostCommand command) override;

    FormState State() const { return m_state; }
    bool CanAudit() const { return m_canAudit; }
    // Replaces the modal showing of the search dialogs (tests fill them and confirm).
    void SetDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

private:
    bool runCommand(HostCommand command);
    bool leaveDocument();
    bool search(PvData::Slot slot);
    bool audit(bool check);
    bool print(HostCommand command);
    bool findTextId(const QString& id);
    void startMode(int mode);
    void updateCommands();
    void componentEvent(const QString& name) override;

    FormComponent* m_form = nullptr;
    FormState m_state = FormState::Browse;
    bool m_canAudit = false;
    DialogRunner m_runDialog;
    std::unique_ptr<SearchDialog> m_findDialog;
    std::unique_ptr<SearchDialog> m_filterDialog;
};
