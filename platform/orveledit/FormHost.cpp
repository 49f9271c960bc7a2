#include "FormHost.h"

#include "FormComponent.h"
#include "HostToolBar.h"
#include "SearchDialog.h"
#include "dialogs/DialogService.h"
#include "parameters/ParameterList.h"

#include <QAction>

namespace {

const QString kSavePrompt = QStringLiteral("当前单据已修改，是否保存？");

}  // namespace

FormHost::FormHost(QWidget* parent)
    : HostBase(parent),
      m_runDialog([](SearchDialog& dialog) { return dialog.exec() == QDialog::Accepted; })
{
    ToolBar()->AddCommands(
        {HostCommand::New, HostCommand::Edit, HostCommand::Save, HostCommand::Cancel, HostCommand::Delete,
         HostCommand::First, HostCommand::Previous, HostCommand::Next, HostCommand::Last, HostCommand::Find,
         HostCommand::FindNext, HostCommand::Filter, HostCommand::Refresh, HostCommand::Check, HostCommand::UnCheck,
         HostCommand::PrintPreview, HostCommand::Print, HostCommand::PrintSetup, HostCommand::Close},
        [this](HostCommand command) { Run(command); });
    updateCommands();
}

FormHost::~FormHost()
{
    Clear();
}

bool FormHost::Py_Init(AppSystem* pcSystem, QObject* /*config*/, int program, const QVariantList& arguments)
{
    Clear();
    m_system = pcSystem;
    m_program = program;
    QWidget* component = createComponent(pcSystem, program);
    if (!component)
        return false;
    auto* form = qobject_cast<FormComponent*>(component);
    if (!form) {
        releaseComponent();
        return fail(QStringLiteral("the component of program %1 is no entry form").arg(program));
    }
    if (!form->Init(pcSystem, program, arguments.value(0).toInt())) {
        form->Clear();
        releaseComponent();
        return fail(QStringLiteral("Init of the entry form of program %1 failed").arg(program));
    }
    m_form = form;
    m_canAudit = m_form->Attributes(QStringLiteral("98")) == QLatin1String("check");
    ToolBar()->Action(HostCommand::Check)->setVisible(m_canAudit);
    ToolBar()->Action(HostCommand::UnCheck)->setVisible(m_canAudit);
    m_form->DoGetFormStatus();
    startMode(arguments.value(1).toInt());
    return true;
}

void FormHost::startMode(int mode)
{
    m_state = FormState::Browse;
    if (mode == 1) {
        runCommand(HostCommand::New);
    } else {
        m_form->RecordTop();
        if (mode == 2)
            runCommand(HostCommand::Edit);
    }
    updateCommands();
}

void FormHost::SetParameters(ParameterListPtr parameters)
{
    EmbeddedHost::SetParameters(parameters);
    const QString id = parameters ? parameters->Item(QStringLiteral("sID")).Value.toString().trimmed() : QString();
    if (m_form && !id.isEmpty())
        findTextId(id);
}

bool FormHost::findTextId(const QString& id)
{
    const QString column = m_form->property("recordKeyColumn").toString();
    if (column.isEmpty()) {
        raise(QStringLiteral("errmessage"),
              {QStringLiteral("OrvelEdit.oedit-->sID::the form names no record key column"), 8, QStringLiteral("OrvelEdit")});
        return false;
    }
    PvData data;
    data.AppendLine(PvData::FindSlot, column, QStringLiteral("="), id);
    const bool found = m_form->Find(data.ToVariant());
    updateCommands();
    return found;
}

void FormHost::Clear()
{
    if (m_form) {
        m_form->DoSaveFormStatus();
        m_form->Clear();
    }
    m_form = nullptr;
    releaseComponent();
    m_findDialog.reset();
    m_filterDialog.reset();
    m_system = nullptr;
    m_state = FormState::Browse;
    m_canAudit = false;
    updateCommands();
}

bool FormHost::IsDirty() const
{
    return m_form && m_form->IsDirty();
}

bool FormHost::SaveChanges()
{
    if (!IsDirty())
        return true;
    return Run(HostCommand::Save);
}

bool FormHost::Run(HostCommand command)
{
    if (!m_form)
        return false;
    const bool done = runCommand(command);
    updateCommands();
    return done;
}

bool FormHost::runCommand(HostCommand command)
{
    switch (command) {
    case HostCommand::New:
        if (!leaveDocument() || !m_form->FileNew())
            return false;
        m_state = FormState::New;
        return true;
    case HostCommand::Edit:
        if (!m_form->FileEdit())
            return false;
        m_state = FormState::Edit;
        return true;
    case HostCommand::Save:
    case HostCommand::Cancel:
        if (!(command == HostCommand::Save ? m_form->FileSave() : m_form->FileCancel()))
            return false;
        m_state = FormState::Browse;
        return true;
    case HostCommand::Delete:
        return m_form->FileDelete();
    case HostCommand::First:
        return leaveDocument() && m_form->RecordTop();
    case HostCommand::Previous:
        return leaveDocument() && m_form->RecordPrevious();
    case HostCommand::Next:
        return leaveDocument() && m_form->RecordNext();
    case HostCommand::Last:
        return leaveDocument() && m_form->RecordBottom();
    case HostCommand::Find:
        return leaveDocument() && search(PvData::FindSlot);
    case HostCommand::FindNext:
        return leaveDocument() && m_form->FindNext();
    case HostCommand::Filter:
        return leaveDocument() && search(PvData::FilterSlot);
    case HostCommand::Refresh:
        return leaveDocument() && m_form->Refresh();
    case HostCommand::Check:
    case HostCommand::UnCheck:
        return m_canAudit && audit(command == HostCommand::Check);
    case HostCommand::PrintPreview:
    case HostCommand::Print:
    case HostCommand::PrintSetup:
        return print(command);
    case HostCommand::Close:
        if (!leaveDocument())
            return false;
        raise(QStringLiteral("unload"), {true});
        return true;
    }
    return false;
}

// Leaves the new or edit state, asking first when there are unsaved edits; false to stay.
bool FormHost::leaveDocument()
{
    if (m_form->IsDirty()) {
        const DialogAnswer answer = DialogService::Current().Show(DialogIcon::Question, QStringLiteral("提示："),
                                                                  kSavePrompt, DialogButtons::YesNoCancel);
        if (answer == DialogAnswer::Cancel)
            return false;
        if (!(answer == DialogAnswer::Yes ? m_form->FileSave() : m_form->FileCancel()))
            return false;
    } else if (m_state != FormState::Browse && !m_form->FileCancel()) {
        return false;
    }
    m_state = FormState::Browse;
    return true;
}

bool FormHost::search(PvData::Slot slot)
{
    std::unique_ptr<SearchDialog>& dialog = slot == PvData::FindSlot ? m_findDialog : m_filterDialog;
    if (!dialog) {
        const auto columns = SearchDialog::ParseColumns(m_form->property("searchColumns").toStringList());
        dialog = std::make_unique<SearchDialog>(slot, columns, this);
    }
    if (!m_runDialog(*dialog))
        return false;
    const QVariant pvData = dialog->Definition().ToVariant();
    return slot == PvData::FindSlot ? m_form->Find(pvData) : m_form->Filter(pvData);
}

bool FormHost::audit(bool check)
{
    if (!(check ? m_form->Check() : m_form->UnCheck()))
        return false;
    return m_form->DoSetStatus(QStringLiteral("check"), check);
}

bool FormHost::print(HostCommand command)
{
    const bool done = command == HostCommand::PrintPreview ? m_form->PrintPreview()
                      : command == HostCommand::Print     ? m_form->DoPrint()
                                                          : m_form->PrintSetup();
    handOnPrintFile(m_form->ReturnPrintName());
    return done;
}

void FormHost::componentEvent(const QString& name)
{
    if (name == QLatin1String("formrefreshed"))
        updateCommands();
}

void FormHost::updateCommands()
{
    const bool audited = m_form && m_form->CheckStatus(QStringLiteral("check"));
    for (const HostCommandInfo& info : HostCommands())
        ToolBar()->SetEnabled(info.command, m_form && FormCommandEnabled(info.command, m_state, audited));
}
