// The component library CNOTE: its components, created by class name.
#include "CNOTE_S.h"
#include "component/ComponentEntry.h"

#include <cstring>

QObject* DllGetClassObject(const char* className)
{
    if (className && std::strcmp(className, "CNOTE_S") == 0)
        return new CNOTE_S;
    return nullptr;
}
