#pragma once

#include <QString>

// Error record returned by LastError of the outside objects; Message is empty when there is no error.
struct ErrorInfo {
    QString Message;
    QString Statement;  // the SQL text that failed, when a statement failed

    bool IsEmpty() const { return Message.isEmpty(); }
};
