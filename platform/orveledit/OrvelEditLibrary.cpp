// The component library OrvelEdit: the embedded hosts, created by class name.
#include "AlertHost.h"
#include "FormHost.h"
#include "ReportHost.h"
#include "component/ComponentEntry.h"

#include <cstring>

namespace {

struct HostClass {
    const char* name;
    QObject* (*create)();
};

const HostClass kClasses[] = {
    {"oedit", [] { return static_cast<QObject*>(new FormHost); }},
    {"oReport", [] { return static_cast<QObject*>(new ReportHost(ReportHost::Kind::Report)); }},
    {"oeditrpt", [] { return static_cast<QObject*>(new ReportHost(ReportHost::Kind::ReportWithParameters)); }},
    {"oquery", [] { return static_cast<QObject*>(new ReportHost(ReportHost::Kind::Query)); }},
    {"oalert", [] { return static_cast<QObject*>(new AlertHost); }},
};

}  // namespace

QObject* DllGetClassObject(const char* className)
{
    if (!className)
        return nullptr;
    for (const HostClass& c : kClasses) {
        if (std::strcmp(c.name, className) == 0)
            return c.create();
    }
    return nullptr;
}
