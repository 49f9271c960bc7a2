// The add-in library SyncPlugin. It exports no add-in yet.
#include "component/ComponentEntry.h"

QObject* DllGetClassObject(const char* /*className*/)
{
    return nullptr;
}
