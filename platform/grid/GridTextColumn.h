#pragma once

#include "PlatformExport.h"

#include <QList>
#include <QString>

// The texts of one grid column, stored compactly: all texts share one UTF-16 buffer and a cell
// is an offset and a length into it. Overwritten texts leave garbage in the buffer, which is
// compacted once it outweighs the live text.
class ORVEL_PLATFORM_EXPORT GridTextColumn {
public:
    int size() const { return int(m_start.size()); }
    void resize(int rows);
    QStringView text(int row) const { return QStringView(m_buffer).mid(m_start[row], m_length[row]); }
    void setText(int row, QStringView text);
    // Row i of the result is old row order[i]; -1 gives an empty row.
    void reorder(const QList<int>& order);

private:
    void compact();

    QString m_buffer;
    QList<quint32> m_start;
    QList<quint32> m_length;
    qsizetype m_live = 0;
};
