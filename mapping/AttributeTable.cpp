#include "mapping/AttributeTable.h"

int AttributeTable::indexOf(const QString &name) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name().compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

std::size_t AttributeTable::memoryBytes() const
{
    std::size_t bytes = m_columns.capacity() * sizeof(AttributeColumn);
    for (const AttributeColumn &column : m_columns)
        bytes += column.memoryBytes();
    return bytes;
}
