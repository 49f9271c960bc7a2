#include "SearchDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

SearchDialog::SearchDialog(PvData::Slot slot, const QList<Column>& columns, QWidget* parent)
    : QDialog(parent),
      m_slot(slot)
{
    setWindowTitle(slot == PvData::FindSlot ? QStringLiteral("查找") : QStringLiteral("过滤"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("列")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("比较")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("值")), 0, 2);
    for (int i = 0; i < kLineCount; ++i) {
        Line line{new QComboBox, new QComboBox, new QLineEdit};
        line.column->setEditable(columns.isEmpty());
        for (const Column& c : columns)
            line.column->addItem(c.caption.isEmpty() ? c.name : c.caption, c.name);
        line.comparison->addItem(QStringLiteral("等于"), int(Comparison::Equal));
        line.comparison->addItem(QStringLiteral("包含"), int(Comparison::Like));
        grid->addWidget(line.column, i + 1, 0);
        grid->addWidget(line.comparison, i + 1, 1);
        grid->addWidget(line.value, i + 1, 2);
        m_lines.append(line);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

QList<SearchDialog::Column> SearchDialog::ParseColumns(const QStringList& entries)
{
    QList<Column> columns;
    for (const QString& entry : entries) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        Column column{entry.left(equals).trimmed(), equals < 0 ? QString() : entry.mid(equals + 1).trimmed()};
        if (!column.name.isEmpty())
            columns.append(column);
    }
    return columns;
}

bool SearchDialog::SetLine(int line, const QString& column, Comparison comparison, const QString& value)
{
    if (line < 0 || line >= m_lines.size())
        return false;
    const Line& l = m_lines.at(line);
    if (l.column->isEditable()) {
        l.column->setEditText(column);
    } else {
        const int index = l.column->findData(column);
        if (index < 0)
            return false;
        l.column->setCurrentIndex(index);
    }
    l.comparison->setCurrentIndex(l.comparison->findData(int(comparison)));
    l.value->setText(value);
    return true;
}

// The form writes the column into SQL as it stands, so a typed name must be a plain identifier.
QString SearchDialog::columnName(const Line& line) const
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.]*$"));
    const QString name =
        line.column->isEditable() ? line.column->currentText().trimmed() : line.column->currentData().toString();
    return identifier.match(name).hasMatch() ? name : QString();
}

PvData SearchDialog::Definition() const
{
    PvData data;
    for (const Line& line : m_lines) {
        const QString column = columnName(line);
        if (column.isEmpty())
            continue;
        const bool like = line.comparison->currentData().toInt() == int(Comparison::Like);
        data.AppendLine(m_slot, column, like ? QStringLiteral("like") : QStringLiteral("="), line.value->text());
    }
    return data;
}
