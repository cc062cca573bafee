// Reading a species identifier where each window holds it.
#include "catalogue/SpeciesId.h"

#include <gtest/gtest.h>

TEST(ParseSpID, TakesWholeNumbersThatFitWhereTheyAreHeld)
{
    const struct {
        const char *text;
        SpIdWidth width;
        std::optional<int> id;
    } cases[] = {
        {" 7 ", SpIdWidth::Bits16, 7},         {"32767", SpIdWidth::Bits16, 32767},
        {"-32768", SpIdWidth::Bits16, -32768}, {"32768", SpIdWidth::Bits16, {}},
        {"40000", SpIdWidth::Bits32, 40000},   {"2147483647", SpIdWidth::Bits32, 2147483647},
        {"2147483648", SpIdWidth::Bits32, {}}, {"", SpIdWidth::Bits32, {}},
        {"1.5", SpIdWidth::Bits32, {}},        {"abc", SpIdWidth::Bits32, {}}};
    for (const auto &c : cases)
        EXPECT_EQ(ParseSpID(QString::fromLatin1(c.text), c.width), c.id) << c.text;
}
