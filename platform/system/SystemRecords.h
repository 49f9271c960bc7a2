#pragma once

#include <QList>
#include <QString>

// Record of AppSystem::Setting and AppSystem::SystemSetting; Value is empty when the key is not stored.
struct SettingRecord {
    QString Value;
};

// Record of AppSystem::Period: the current accounting period, 0 when there is none.
struct PeriodRecord {
    int Value = 0;
};

// Answer of AppSystem::Pickers: the identifier of the component class that implements the
// named picker, which the picker host creates. ClassName is empty for an unknown picker.
struct PickerEntry {
    QString Name;
    QString ClassName;
};

// One entry of a code help list.
struct CodeHelpItem {
    QString Code;
    QString Name;
};

// The list of a help code (AppSystem::CodeHelp); Found is false for an unknown help code.
struct CodeHelpList {
    bool Found = false;
    QString HelpCode;
    QString Title;
    QList<CodeHelpItem> Items;
};
