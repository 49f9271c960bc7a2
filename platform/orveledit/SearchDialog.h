#pragma once

#include "PvData.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QComboBox;
class QLineEdit;

// The find and filter dialog of an entry-form host: a few lines of column, comparison (equal or
// like) and value, turned into the search definition for the form's Find (find slot) or Filter
// (filter slot). Every line with a column is handed on, also with an empty value: a filter whose
// values are all empty removes the form's filter.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLineCount = 3;

    enum class Comparison { Equal, Like };

    struct Column {
        QString name;      // column name in SQL
        QString caption;   // shown to the operator
    };

    // columns: the form's searchable columns; none lets the operator type column names (plain
    // identifiers; a line with anything else is left out).
    SearchDialog(PvData::Slot slot, const QList<Column>& columns, QWidget* parent = nullptr);

    // Entries "column" or "column=caption" (the form's property searchColumns).
    static QList<Column> ParseColumns(const QStringList& entries);

    // Sets one line as the operator would; false for a line or column the dialog does not have.
    bool SetLine(int line, const QString& column, Comparison comparison, const QString& value);
    PvData Definition() const;

private:
    struct Line {
        QComboBox* column;
        QComboBox* comparison;
        QLineEdit* value;
    };

    QString columnName(const Line& line) const;

    PvData::Slot m_slot;
    QList<Line> m_lines;
};
