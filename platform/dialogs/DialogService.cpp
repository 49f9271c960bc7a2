#include "dialogs/DialogService.h"

#include "dialogs/MessageBoxDialogs.h"

namespace {

DialogService* g_installed = nullptr;

}  // namespace

DialogAnswer DialogService::Show(DialogIcon icon, const QString& title, const QString& text, DialogButtons buttons)
{
    return Ask({icon, title, text, buttons});
}

DialogService& DialogService::Current()
{
    static MessageBoxDialogs messageBoxes;
    return g_installed ? *g_installed : messageBoxes;
}

DialogService* DialogService::Install(DialogService* service)
{
    DialogService* previous = g_installed;
    g_installed = service;
    return previous;
}
