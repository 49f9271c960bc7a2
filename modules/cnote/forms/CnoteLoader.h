#pragma once

#include "CnoteState.h"
#include "navigation/RecordNavigator.h"

#include <functional>

class CnoteFormView;
class Database;
class DbRecordset;

// Loading and showing notes: the browsing steps, the find and filter loads, and the filling
// of the form from a cnote row with its goods lines.
class CnoteLoader {
public:
    struct Events {
        std::function<void(const QString&)> error;  // ErrMessage with the failure text
        std::function<void()> refreshed;            // FormRefreshed
        std::function<void()> clearForm;            // the form's full clearing
    };

    CnoteLoader(CnoteFormView& view, CnoteState& state, Events events);

    void Bind(Database* db);
    void Release();
    RecordNavigator& Navigator() { return m_navigator; }

    // RecordNavigator modes 0 first, 1 previous, 2 next, 3 last.
    bool LoadData(int mode);
    // Shows the first note of the last load's condition that also meets condition; mode 0
    // clears the form when none does, any other mode keeps the shown note.
    bool FindData(const QString& condition, int mode);

private:
    void show(const QVariant& result, DbRecordset& records, const QString& position, bool clearWhenNone);
    void fillFromRecord(DbRecordset& records, const QString& position);
    void fillGoods();

    CnoteFormView& m_view;
    CnoteState& m_state;
    Events m_events;
    Database* m_db = nullptr;
    RecordNavigator m_navigator;
};
