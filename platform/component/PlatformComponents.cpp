// The components of this library, created by name through DllGetClassObject. Each class listed
// in PlatformComponents.json has a line here.
#include "component/ComponentEntry.h"
#include "database/Database.h"
#include "system/AppSystem.h"
#include "system/LoginSession.h"

#include <cstring>

namespace {

struct PlatformClass {
    const char* name;
    QObject* (*create)();
};

const PlatformClass kClasses[] = {
    {"Database", [] { return static_cast<QObject*>(new Database); }},
    {"AppSystem", [] { return static_cast<QObject*>(new AppSystem); }},
    {"LoginSession", [] { return static_cast<QObject*>(new LoginSession); }},
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
