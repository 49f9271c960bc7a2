#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class FlexGrid;

// The layout store of the module library: grid layouts (sections "Vs…") and control states
// (section "Form") in layout files. Every step is independent: a value that is missing or not a
// number falls back to the control's current state and nothing is reported.
namespace mPub {

// A system setting's text value by group and key, as AppSystem::Setting(group, key).Value
// gives it; bind it to the session's AppSystem. Group 12, keys "7" to "14" hold the decimal
// places of the value kinds. An empty function reads every setting as "".
using SettingLookup = std::function<QString(int group, const QString& key)>;

// Dynamic property holding a control's index in its control array; absent = no array.
inline constexpr char ControlIndexProperty[] = "ControlIndex";
// Dynamic property naming a control's type for the "Form" records ("kvTxt_S", "kvGrid", …);
// without it the type follows from the control's class.
inline constexpr char ControlTypeProperty[] = "ControlType";

// appPath/selfbb/name.txt; the folder is created when missing.
QString LayoutFilePath(const QString& name, const QString& appPath);
qint16 GetControlIndex(const QObject& control);
// "" for a grid named "Vs" in any case, else "_" + name; then "_" + index for array members.
QString LayoutSuffix(const QObject& grid);

void SaveGridLayout(const QString& fileName, const FlexGrid& grid, bool widthsOnly);
void LoadGridLayout(const QString& fileName, FlexGrid& grid, bool widthsOnly, const SettingLookup& setting);

// "kvTxt_S", "CheckBox", "OptionButton", "TextBox", "ComboBox", "DTPicker", "VsFlexGrid",
// "kvGrid", "TreeView", "ListView", or "" for a control the records do not cover.
QString ControlTypeName(const QObject& control);
// Upper-cased type name, "_", the control's name and, for array members, "_" + index.
QString ControlKey(const QObject& control);

// Visit the controls in order and write or read their "Form" records; grids go through
// SaveGridLayout / LoadGridLayout with the same widthsOnly flag. An entry box ("kvTxt_S")
// exposes its state as the properties "Value" and "Text".
void SaveFormState(const QString& fileName, const QList<QObject*>& controls, bool widthsOnly);
void LoadFormState(const QString& fileName, const QList<QObject*>& controls, bool widthsOnly, const SettingLookup& setting);

} // namespace mPub
