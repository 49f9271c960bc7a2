#pragma once

#include <QByteArray>

// The icons of the standard menus, drawn as small PNG pictures (a coloured rounded square with
// a white sign), stored in xt_menuPilot as type 1.
namespace MenuIcons {

enum class Sign { Document, List, Money, Chart, Import, Upload, Tools, Addins, Alert };

// A 32x32 PNG of the sign.
QByteArray Png(Sign sign);

}  // namespace MenuIcons
