// The components of this library, created by name through DllGetClassObject. Each class listed
// in PlatformComponents.json has a line here.
#include "component/ComponentEntry.h"
#include "database/Database.h"

#include <cstring>

namespace {

struct PlatformClass {
    const char* name;
    QObject* (*create)();
};

const PlatformClass kClasses[] = {
    {"Database", [] { return static_cast<QObject*>(new Database); }},
};

}  // namespace

QObject* DllGetClassObject(const char* className)
{
    if (!className)
        return nullptr;
    for (const PlatformClass& c : kClasses) {
        if (std::strcmp(c.name, className) == 0)
            return c.create();
    }
    return nullptr;
}
