#include "mPub.h"

#include "grid/FlexGrid.h"
#include "grid/NumberFormat.h"
#include "settings/SettingsFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTreeView>

namespace mPub {
namespace {

const QString FormSection = u"Form"_qs;

QString widthKey(const QString& key, int col)
{
    return key + u"_Col"_qs + QString::number(col);
}

void saveControl(SettingsFile& file, QObject& control, const QString& type, bool widthsOnly)
{
    const QString key = ControlKey(control);
    if (type == u"kvTxt_S") {
        file.WriteString(FormSection, key + u"_Value"_qs, control.property("Value").toString().trimmed());
        file.WriteString(FormSection, key + u"_Text"_qs, control.property("Text").toString().trimmed());
    } else if (auto* check = qobject_cast<QCheckBox*>(&control)) {
        file.WriteInteger(FormSection, key, qint16(check->checkState()));
    } else if (auto* option = qobject_cast<QRadioButton*>(&control)) {
        file.WriteBool(FormSection, key, option->isChecked());
    } else if (auto* text = qobject_cast<QLineEdit*>(&control)) {
        file.WriteString(FormSection, key, text->text().trimmed());
    } else if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        file.WriteString(FormSection, key, combo->currentText().trimmed());
    } else if (auto* date = qobject_cast<QDateTimeEdit*>(&control)) {
        file.WriteString(FormSection, key, date->date().toString(Qt::ISODate));
    } else if (auto* grid = qobject_cast<FlexGrid*>(&control); grid && type == u"kvGrid") {
        for (int col = 0; col < grid->Grid().Cols(); ++col)
            file.WriteString(FormSection, widthKey(key, col), QString::number(grid->Grid().ColWidth(col)));
    } else if (grid) {
        file.Flush();
        SaveGridLayout(file.FileName(), *grid, widthsOnly);
        file.Open(file.FileName());
    } else if (auto* view = qobject_cast<QAbstractItemView*>(&control)) {
        const QModelIndexList selected = view->selectionModel() ? view->selectionModel()->selectedIndexes() : QModelIndexList();
        if (selected.isEmpty())
            return;
        if (type == u"TreeView")
            file.WriteString(FormSection, key, selected.first().data().toString());
        else
            file.WriteString(FormSection, key, QString::number(selected.first().row()));
    }
}

void loadControl(SettingsFile& file, QObject& control, const QString& type, bool widthsOnly, const SettingLookup& setting)
{
    const QString key = ControlKey(control);
    if (type == u"kvTxt_S") {
        const QString text = control.property("Text").toString();
        control.setProperty("Value", file.ReadString(FormSection, key + u"_Value"_qs, control.property("Value").toString()).trimmed());
        control.setProperty("Text", file.ReadString(FormSection, key + u"_Text"_qs, text).trimmed());
    } else if (auto* check = qobject_cast<QCheckBox*>(&control)) {
        check->setCheckState(Qt::CheckState(std::clamp(file.ReadInteger(FormSection, key, check->checkState()), 0, 2)));
    } else if (auto* option = qobject_cast<QRadioButton*>(&control)) {
        option->setChecked(file.ReadBool(FormSection, key, option->isChecked()));
    } else if (auto* text = qobject_cast<QLineEdit*>(&control)) {
        text->setText(file.ReadString(FormSection, key, text->text()));
    } else if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        combo->setCurrentText(file.ReadString(FormSection, key, combo->currentText()));
    } else if (auto* date = qobject_cast<QDateTimeEdit*>(&control)) {
        const QDate stored = QDate::fromString(file.ReadString(FormSection, key, {}).trimmed(), Qt::ISODate);
        if (stored.isValid())
            date->setDate(stored);
    } else if (auto* grid = qobject_cast<FlexGrid*>(&control); grid && type == u"kvGrid") {
        GridModel& model = grid->Grid();
        for (int col = 0; col < model.Cols(); ++col) {
            const QString stored = file.ReadString(FormSection, widthKey(key, col), QString::number(model.ColWidth(col)));
            model.SetColWidth(col, int(NumberFormat::Parse(stored).value_or(0)));
        }
    } else if (grid) {
        LoadGridLayout(file.FileName(), *grid, widthsOnly, setting);
        file.Open(file.FileName());
    }
}

} // namespace

QString ControlTypeName(const QObject& control)
{
    const QVariant declared = control.property(ControlTypeProperty);
    if (declared.isValid())
        return declared.toString();
    if (qobject_cast<const FlexGrid*>(&control))
        return u"VsFlexGrid"_qs;
    if (qobject_cast<const QCheckBox*>(&control))
        return u"CheckBox"_qs;
    if (qobject_cast<const QRadioButton*>(&control))
        return u"OptionButton"_qs;
    if (qobject_cast<const QLineEdit*>(&control))
        return u"TextBox"_qs;
    if (qobject_cast<const QComboBox*>(&control))
        return u"ComboBox"_qs;
    if (qobject_cast<const QDateTimeEdit*>(&control))
        return u"DTPicker"_qs;
    if (qobject_cast<const QTreeView*>(&control))
        return u"TreeView"_qs;
    if (qobject_cast<const QListView*>(&control))
        return u"ListView"_qs;
    return {};
}

QString ControlKey(const QObject& control)
{
    const int index = GetControlIndex(control);
    QString key = ControlTypeName(control).toUpper() + u'_' + control.objectName();
    if (index >= 0)
        key += u'_' + QString::number(index);
    return key;
}

void SaveFormState(const QString& fileName, const QList<QObject*>& controls, bool widthsOnly)
{
    SettingsFile file;
    file.Open(fileName);
    for (QObject* control : controls) {
        const QString type = ControlTypeName(*control);
        if (!type.isEmpty())
            saveControl(file, *control, type, widthsOnly);
    }
    file.Flush();
}

void LoadFormState(const QString& fileName, const QList<QObject*>& controls, bool widthsOnly, const SettingLookup& setting)
{
    SettingsFile file;
    file.Open(fileName);
    for (QObject* control : controls) {
        const QString type = ControlTypeName(*control);
        if (!type.isEmpty())
            loadControl(file, *control, type, widthsOnly, setting);
    }
}

} // namespace mPub
