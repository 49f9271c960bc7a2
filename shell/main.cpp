// OrvelMain: runs start-up, then the workbench until it closes.
#include "dialogs/DialogService.h"
#include "startup/ShellWindows.h"
#include "startup/bMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ShellWindows windows;
    bMain program(windows, DialogService::Current());
    if (!program.Main())
        return 1;
    const int code = app.exec();
    program.ShutDown();
    return code;
}
