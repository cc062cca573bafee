#include "mapping/GridPointWriter.h"

#include <shapefil.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {
enum Field { PointId, Alt, Mar, Mat, MatRange, Count, Value };

// File access for shapelib through large buffers: shapelib seeks before every
// record it appends, and a seek to where the file already stands would
// otherwise flush the buffer, one system call per record (tens of millions
// for a large grid).
struct BufferedFile {
    std::FILE *file;
    SAOffset position;
    bool writing;
};
BufferedFile *of(SAFile f) { return reinterpret_cast<BufferedFile *>(f); }

SAFile openFile(const char *name, const char *access)
{
    std::FILE *file = std::fopen(name, access);
    if (!file)
        return nullptr;
    std::setvbuf(file, nullptr, _IOFBF, 1 << 20);
    return reinterpret_cast<SAFile>(new BufferedFile{file, 0, false});
}
SAOffset readFile(void *p, SAOffset size, SAOffset count, SAFile f)
{
    const SAOffset n = std::fread(p, size, count, of(f)->file);
    of(f)->position += n * size;
    of(f)->writing = false;
    return n;
}
SAOffset writeFile(void *p, SAOffset size, SAOffset count, SAFile f)
{
    const SAOffset n = std::fwrite(p, size, count, of(f)->file);
    of(f)->position += n * size;
    of(f)->writing = true;
    return n;
}
SAOffset seekFile(SAFile f, SAOffset offset, int whence)
{
    if (whence == SEEK_SET && offset == of(f)->position && of(f)->writing)
        return 0;
    if (std::fseek(of(f)->file, long(offset), whence) != 0)
        return SAOffset(-1);
    of(f)->position = SAOffset(std::ftell(of(f)->file));
    return 0;
}
SAOffset tellFile(SAFile f) { return of(f)->position; }
int flushFile(SAFile f) { return std::fflush(of(f)->file); }
int closeFile(SAFile f)
{
    const int result = std::fclose(of(f)->file);
    delete of(f);
    return result;
}
int removeFile(const char *name) { return std::remove(name); }
void quiet(const char *) {} // failures are reported by the writer's exceptions
double toDouble(const char *text) { return std::atof(text); }

SAHooks bufferedHooks()
{
    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    hooks.FOpen = openFile;
    hooks.FRead = readFile;
    hooks.FWrite = writeFile;
    hooks.FSeek = seekFile;
    hooks.FTell = tellFile;
    hooks.FFlush = flushFile;
    hooks.FClose = closeFile;
    hooks.Remove = removeFile;
    hooks.Error = quiet;
    hooks.Atof = toDouble;
    return hooks;
}
} // namespace

GridPointWriter::GridPointWriter(const std::string &shpPath) : m_path(shpPath)
{
    std::string base = shpPath;
    if (base.size() > 4 && base.compare(base.size() - 4, 4, ".shp") == 0)
        base.resize(base.size() - 4);
    SAHooks hooks = bufferedHooks();
    SHPHandle shp = SHPCreateLL(base.c_str(), SHPT_POINT, &hooks);
    DBFHandle dbf = DBFCreateLL((base + ".dbf").c_str(), "UTF-8", &hooks);
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
