#pragma once

#include <QString>
#include <QStringList>

// Names as the container keeps them: Windows style, no drive, starting with "\".
namespace StoredName {
// "C:\docs\a.mnu" and "/docs/a.mnu" both become "\docs\a.mnu"; "a.mnu" becomes "\a.mnu".
QString normalize(const QString& name);
// The parts of a stored name between its separators ("\" or "/"), drive dropped, empty parts
// and "." left out.
QStringList components(const QString& storedName);
// The part after the last separator: the bare file name.
QString bareName(const QString& storedName);
}
