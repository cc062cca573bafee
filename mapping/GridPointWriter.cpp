#include "mapping/GridPointWriter.h"

#include <shapefil.h>

#include <cmath>
#include <stdexcept>

namespace {
enum Field { PointId, Alt, Mar, Mat, MatRange, Count, Value };
}

GridPointWriter::GridPointWriter(const std::string &shpPath) : m_path(shpPath)
{
    std::string base = shpPath;
    if (base.size() > 4 && base.compare(base.size() - 4, 4, ".shp") == 0)
        base.resize(base.size() - 4);
    SHPHandle shp = SHPCreate(base.c_str(), SHPT_POINT);
    DBFHandle dbf = DBFCreateEx((base + ".dbf").c_str(), "UTF-8");
    if (!shp || !dbf) {
        if (shp)
            SHPClose(shp);
        if (dbf)
            DBFClose(dbf);
        throw std::runtime_error(shpPath + ": cannot create the shapefile");
    }
    DBFAddField(dbf, "POINTID", FTInteger, 9, 0);
    DBFAddField(dbf, "ALT", FTInteger, 6, 0);
    DBFAddField(dbf, "MAR", FTInteger, 6, 0);
    DBFAddField(dbf, "MAT", FTDouble, 6, 1);
    DBFAddField(dbf, "MAT_RANGE", FTDouble, 6, 1);
    DBFAddField(dbf, "COUNT", FTInteger, 3, 0);
    DBFAddField(dbf, "VALUE", FTInteger, 4, 0);
    m_shp = shp;
    m_dbf = dbf;
}

GridPointWriter::~GridPointWriter()
{
    try {
        close();
    } catch (...) {
    }
}

void GridPointWriter::add(const Point &p)
{
    auto shp = static_cast<SHPHandle>(m_shp);
    auto dbf = static_cast<DBFHandle>(m_dbf);
    SHPObject *object = SHPCreateSimpleObject(SHPT_POINT, 1, &p.x, &p.y, nullptr);
    const int id = SHPWriteObject(shp, -1, object);
    SHPDestroyObject(object);
    const bool ok = id == m_count && DBFWriteIntegerAttribute(dbf, id, PointId, id + 1) &&
                    DBFWriteIntegerAttribute(dbf, id, Alt, p.alt) && DBFWriteIntegerAttribute(dbf, id, Mar, p.mar) &&
                    DBFWriteDoubleAttribute(dbf, id, Mat, p.mat) &&
                    (std::isnan(p.matRange) ? DBFWriteNULLAttribute(dbf, id, MatRange)
                                            : DBFWriteDoubleAttribute(dbf, id, MatRange, p.matRange)) &&
                    (p.count < 0 ? DBFWriteNULLAttribute(dbf, id, Count) : DBFWriteIntegerAttribute(dbf, id, Count, p.count)) &&
                    DBFWriteIntegerAttribute(dbf, id, Value, p.value);
    if (!ok)
        throw std::runtime_error(m_path + ": cannot write point " + std::to_string(m_count + 1));
    ++m_count;
}

void GridPointWriter::close()
{
    if (m_shp)
        SHPClose(static_cast<SHPHandle>(m_shp));
    if (m_dbf)
        DBFClose(static_cast<DBFHandle>(m_dbf));
    m_shp = m_dbf = nullptr;
}
