// libFuzzer target: the filter parser and compiler. Any text must either be
// refused with a MapError or compile; a filter that compiles must print back
// to a text that parses to the same print and selects the same rows.
#include "mapping/CompiledFilter.h"
#include "mapping/MapError.h"

#include <cstdint>
#include <cstdlib>

namespace {

AttributeTable makeTable()
{
    const char *alt[] = {"0", "100", "1500", "2500", "6098", "-5"};
    const char *mar[] = {"6", "1500", "40000", "", "8253", "77"};
    const char *mat[] = {"-11.2", "20.0", "22.5", "26.4", "29.2", ""};
    const char *name[] = {"Laos", "Viet Nam", "O'Brien", "", "Laos", "Thai"};
    const char *flag[] = {"T", "F", "?", "Y", "N", "t"};
    const char *date[] = {"20240131", "19991231", "", "20000229", "bad", "20101010"};
    AttributeColumnBuilder a("ALT", 'N', 5, 0, true), r("MAR", 'N', 6, 0, true), t("MAT", 'N', 5, 1, true),
        n("NAME", 'C', 20, 0, true), f("FLAG", 'L', 1, 0, true), d("SEEN", 'D', 8, 0, true);
    for (int i = 0; i < 6; ++i) {
        a.append(alt[i]);
        r.append(mar[i]);
        t.append(mat[i]);
        n.append(name[i]);
        f.append(flag[i]);
        d.append(date[i]);
    }
    std::vector<AttributeColumn> columns;
    for (AttributeColumnBuilder *b : {&a, &r, &t, &n, &f, &d})
        columns.push_back(b->finish());
    return AttributeTable(std::move(columns), 6);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const AttributeTable table = makeTable();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const FilterExpression expression = FilterExpression::parse(text);
        const QString printed = expression.toString();
        const FilterExpression again = FilterExpression::parse(printed);
        if (again.toString() != printed)
            std::abort(); // printing back must be stable
        std::vector<std::uint32_t> rows;
        try {
            rows = CompiledFilter(expression, table).select();
        } catch (const MapError &) {
            return 0; // unknown field or wrong kind of value
        }
        if (CompiledFilter(again, table).select() != rows)
            std::abort(); // the printed filter must mean the same
    } catch (const MapError &) {
    }
    return 0;
}
