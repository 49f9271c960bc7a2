// The component library CNOTE. It exports no component yet.
#include "component/ComponentEntry.h"

QObject* DllGetClassObject(const char* /*className*/)
{
    return nullptr;
}
