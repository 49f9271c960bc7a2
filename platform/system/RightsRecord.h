#pragma once

#include "PlatformExport.h"

#include <QSet>

// Record of AppSystem::Rights: the right numbers the operator holds on one program
// (1 = open or run the program).
class ORVEL_PLATFORM_EXPORT RightsRecord {
public:
    RightsRecord() = default;
    explicit RightsRecord(QSet<int> allowed) : m_allowed(std::move(allowed)) {}

    bool Allowed(int rightNo) const { return m_allowed.contains(rightNo); }

private:
    QSet<int> m_allowed;
};
