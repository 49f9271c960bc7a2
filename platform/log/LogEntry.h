#pragma once

#include <QString>

// One message of the shell: progress (kind 1), information (2), rejected input (4), failure (8)
// or operation record (48).
struct LogEntry {
    QString Title;
    int Kind = 1;
    QString Text;
};
