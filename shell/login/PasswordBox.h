#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// A masked password box: shows "*", offers no context menu and takes no drops.
QLineEdit* MakePasswordBox(QWidget* parent, const QString& name);
