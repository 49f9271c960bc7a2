#pragma once

#include <QDate>
#include <QString>

class Database;

// Generated consignment notes for demonstrations and benchmarks: each note has 1 to 5 goods
// lines and a date within the year before `today`. The same seed and day give the same notes.
namespace DemoNotes {

bool Generate(Database& db, int count, quint32 seed, const QDate& today, QString* error);

}  // namespace DemoNotes
