#include "workbench/UnsavedEdits.h"

#include "dialogs/DialogService.h"
#include "hosts/EmbeddedHost.h"

bool ConfirmUnsavedEdits(EmbeddedHost* host)
{
    if (!host || !host->IsDirty())
        return true;
    const DialogAnswer answer = DialogService::Current().Show(DialogIcon::Question, QStringLiteral("提示："),
                                                              QStringLiteral("当前单据已修改，是否保存？"), DialogButtons::YesNoCancel);
    return answer == DialogAnswer::No || (answer == DialogAnswer::Yes && host->SaveChanges());
}
