#pragma once
#include "mapping/AttributeColumn.h"

#include <vector>

// The attributes of a layer, stored by column in the field order of the file.
class AttributeTable {
public:
    AttributeTable() = default;
    AttributeTable(std::vector<AttributeColumn> columns, std::uint32_t rows)
        : m_columns(std::move(columns)), m_rows(rows) {}

    int fieldCount() const { return int(m_columns.size()); }
    std::uint32_t rowCount() const { return m_rows; }
    const AttributeColumn &column(int index) const { return m_columns.at(std::size_t(index)); }
    // The column of a field name, compared without regard to case; -1 when none.
    int indexOf(const QString &name) const;

    std::size_t memoryBytes() const;

private:
    std::vector<AttributeColumn> m_columns;
    std::uint32_t m_rows = 0;
};
