#pragma once

#include <QString>

// Working state of the consignment-note form.
struct CnoteState {
    int program = 0;          // plCzID
    qint64 initialId = 0;     // plID; while above 0 loading is limited to this note
    qint64 currentId = 0;     // the shown note, 0 when none
    qint64 previousId = 0;    // the note shown before the last clearing
    QString baseCondition;
    QString findCondition;
    QString filterCondition;
    QString title;            // program title of messages
    bool dirty = false;
};
