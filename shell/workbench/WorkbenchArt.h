#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class AppSystem;

// The workbench's designed pictures, drawn rather than shipped, and the lookup of the picture
// files a theme or the program folder may put in their place.
namespace WorkbenchArt {

enum class Glyph { Exit, Lock, Help, Unlock, Alert, PanelShown, PanelHidden, Web, Support, Mail };

// The program's logo: a rounded badge with a parcel.
QPixmap Logo(int size);
// The picture of the lock dialog.
QPixmap LockPicture(int size);
// A small line icon for the workbench's buttons and links, in the given colour.
QIcon Icon(Glyph glyph, const QColor& color, int size = 16);
// The picture file name (e.g. "\\logo.gif") in the current theme's folder, else in the program
// folder; empty when it exists in neither.
QString FindPicture(AppSystem& system, const QString& name);

}  // namespace WorkbenchArt
