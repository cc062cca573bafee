#include "tests/common/FixtureShapefile.h"

#include <QFile>

#include <shapefil.h>

#include <stdexcept>

void FixtureShapefile::write(const QString &path) const
{
    QString base = path;
    base.chop(4);
    SHPHandle shp = SHPCreate(QFile::encodeName(base).constData(), shpType);
    DBFHandle dbf = DBFCreate(QFile::encodeName(base + ".dbf").constData());
    if (!shp || !dbf)
        throw std::runtime_error("cannot create fixture " + path.toStdString());
    for (const FixtureField &f : fields)
        if (DBFAddNativeFieldType(dbf, f.name.c_str(), f.type, f.width, f.decimals) < 0)
            throw std::runtime_error("cannot add field " + f.name);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        std::vector<double> xs, ys;
        std::vector<int> starts;
        for (const FixturePart &part : shapes[i]) {
            starts.push_back(int(xs.size()));
            for (const MapPoint &p : part) {
                xs.push_back(p.x);
                ys.push_back(p.y);
            }
        }
        SHPObject *object = shapes[i].empty()
                                ? SHPCreateSimpleObject(SHPT_NULL, 0, nullptr, nullptr, nullptr)
                                : SHPCreateObject(shpType, int(i), int(starts.size()), starts.data(), nullptr,
                                                  int(xs.size()), xs.data(), ys.data(), nullptr, nullptr);
        SHPWriteObject(shp, -1, object);
        SHPDestroyObject(object);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const auto &value = rows.at(i).at(f);
            if (!value) {
                DBFWriteNULLAttribute(dbf, int(i), int(f));
                continue;
            }
            std::string text = *value;
            const bool rightAligned = fields[f].type == 'N' || fields[f].type == 'F';
            if (rightAligned && int(text.size()) < fields[f].width)
                text.insert(0, std::size_t(fields[f].width) - text.size(), ' ');
            DBFWriteAttributeDirectly(dbf, int(i), int(f), text.data());
        }
    }
    SHPClose(shp);
    DBFClose(dbf);
}

FixtureShapefile PointFixture(const std::vector<MapPoint> &points, const std::vector<FixtureField> &fields,
                              const std::vector<std::vector<std::optional<std::string>>> &rows)
{
    FixtureShapefile fixture{.shpType = SHPT_POINT, .fields = fields, .rows = rows};
    for (const MapPoint &p : points)
        fixture.shapes.push_back({{p}});
    return fixture;
}
