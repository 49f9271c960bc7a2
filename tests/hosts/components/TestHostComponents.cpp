// The component library TestHosts: fake business components for the host tests.
#include "FakeForm.h"
#include "FakeFormNoAudit.h"
#include "FakeReport.h"
#include "component/ComponentEntry.h"

#include <cstring>

QObject* DllGetClassObject(const char* className)
{
    if (!className)
        return nullptr;
    if (std::strcmp(className, "FakeForm") == 0)
        return new FakeForm;
    if (std::strcmp(className, "FakeFormNoAudit") == 0)
        return new FakeFormNoAudit;
    if (std::strcmp(className, "FakeReport") == 0)
        return new FakeReport;
    return nullptr;
}
