// Component library of the tests: makes Widget and Gadget; Phantom is listed but never made.
// Loading the library sets ORVEL_TEST_GOOD_LOADED, so tests can tell whether its code ran.
#include "component/ComponentEntry.h"

#include <cstring>

namespace {

[[maybe_unused]] const bool g_loaded = qputenv("ORVEL_TEST_GOOD_LOADED", "1");

}  // namespace

QObject* DllGetClassObject(const char* className)
{
    if (std::strcmp(className, "Widget") != 0 && std::strcmp(className, "Gadget") != 0)
        return nullptr;
    auto* object = new QObject;
    object->setObjectName(QString::fromUtf8(className));
    return object;
}
