#pragma once

#include "dialogs/DialogService.h"

// The production dialog service: a modal QMessageBox. Needs a QApplication.
class ORVEL_PLATFORM_EXPORT MessageBoxDialogs : public DialogService {
public:
    DialogAnswer Ask(const DialogRequest& request) override;
};
