#include "grid/GridTextColumn.h"

void GridTextColumn::resize(int rows)
{
    for (int row = rows; row < size(); ++row)
        m_live -= m_length[row];
    m_start.resize(rows, 0);
    m_length.resize(rows, 0);
}

void GridTextColumn::setText(int row, QStringView text)
{
    if (text == this->text(row))
        return;
    const bool intoBuffer = text.data() >= m_buffer.constData() && text.data() < m_buffer.constData() + m_buffer.size();
    if (intoBuffer) {
        setText(row, text.toString());
        return;
    }
    m_live += text.size() - m_length[row];
    m_start[row] = quint32(m_buffer.size());
    m_length[row] = quint32(text.size());
    m_buffer.append(text);
    if (m_buffer.size() > 4096 && m_buffer.size() > 2 * m_live)
        compact();
}

void GridTextColumn::reorder(const QList<int>& order)
{
    QList<quint32> start(order.size(), 0);
    QList<quint32> length(order.size(), 0);
    qsizetype live = 0;
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (order[i] < 0)
            continue;
        start[i] = m_start[order[i]];
        length[i] = m_length[order[i]];
        live += length[i];
    }
    m_start = std::move(start);
    m_length = std::move(length);
    m_live = live;
    if (m_buffer.size() > 4096 && m_buffer.size() > 2 * m_live)
        compact();
}

void GridTextColumn::compact()
{
    QString buffer;
    buffer.reserve(m_live);
    for (int row = 0; row < size(); ++row) {
        const QStringView cell = text(row);
        m_start[row] = quint32(buffer.size());
        buffer.append(cell);
    }
    m_buffer = std::move(buffer);
}
