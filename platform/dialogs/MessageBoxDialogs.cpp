#include "dialogs/MessageBoxDialogs.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon toIcon(DialogIcon icon)
{
    switch (icon) {
    case DialogIcon::Information: return QMessageBox::Information;
    case DialogIcon::Question: return QMessageBox::Question;
    case DialogIcon::Warning: return QMessageBox::Warning;
    case DialogIcon::Critical: return QMessageBox::Critical;
    case DialogIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toButtons(DialogButtons buttons)
{
    switch (buttons) {
    case DialogButtons::Ok: return QMessageBox::Ok;
    case DialogButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case DialogButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case DialogButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case DialogButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case DialogButtons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

DialogAnswer toAnswer(int button)
{
    switch (button) {
    case QMessageBox::Yes: return DialogAnswer::Yes;
    case QMessageBox::No: return DialogAnswer::No;
    case QMessageBox::Retry: return DialogAnswer::Retry;
    case QMessageBox::Abort: return DialogAnswer::Abort;
    case QMessageBox::Ignore: return DialogAnswer::Ignore;
    case QMessageBox::Ok: return DialogAnswer::Ok;
    default: return DialogAnswer::Cancel;
    }
}

}  // namespace

DialogAnswer MessageBoxDialogs::Ask(const DialogRequest& request)
{
    QMessageBox box(toIcon(request.icon), request.title, request.text, toButtons(request.buttons));
    return toAnswer(box.exec());
}
