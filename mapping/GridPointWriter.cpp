#include "mapping/GridPointWriter.h"

#include "base/Error.h"

#include <shapefil.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
enum Field { PointId, Alt, Mar, Mat, MatRange, Count, Value };

// File access for shapelib through a write-back window: shapelib seeks before
// every record it appends (and steps back over the end-of-file mark of the
// .dbf), which through plain stdio costs a system call or two per record,
// tens of millions for a large grid. Writes collect in a window of the file
// and go out in large blocks; a failure at any flush marks the file, and the
// writer reports it when it closes.
struct BufferedFile {
    std::FILE *file;
    SAOffset position = 0, windowStart = 0;
    std::vector<char> window;
    bool failed = false;

    bool flushWindow()
    {
        if (!window.empty()) {
            failed |= std::fseek(file, long(windowStart), SEEK_SET) != 0
                   || std::fwrite(window.data(), 1, window.size(), file) != window.size();
            window.clear();
        }
        windowStart = position;
        return !failed;
    }
};
BufferedFile *of(SAFile f) { return reinterpret_cast<BufferedFile *>(f); }
thread_local bool AnyWriteFailed = false; // set when a file failed as it closed

SAFile openFile(const char *name, const char *access)
{
    std::FILE *file = std::fopen(name, access);
    return file ? reinterpret_cast<SAFile>(new BufferedFile{file, 0, 0, {}, false}) : nullptr;
}
SAOffset readFile(void *p, SAOffset size, SAOffset count, SAFile f)
{
    BufferedFile *b = of(f);
    if (!b->flushWindow() || std::fseek(b->file, long(b->position), SEEK_SET) != 0)
        return 0;
    const SAOffset n = std::fread(p, size, count, b->file);
    b->position += n * size;
    b->windowStart = b->position;
    return n;
}
SAOffset writeFile(void *p, SAOffset size, SAOffset count, SAFile f)
{
    BufferedFile *b = of(f);
    if (b->position < b->windowStart || b->position > b->windowStart + b->window.size())
        b->flushWindow();
    if (b->window.empty())
        b->windowStart = b->position;
    const SAOffset bytes = size * count, at = b->position - b->windowStart;
    if (b->window.size() < at + bytes)
        b->window.resize(at + bytes);
    std::memcpy(b->window.data() + at, p, bytes);
    b->position += bytes;
    if (b->window.size() >= (1u << 20) && !b->flushWindow())
        return 0;
    return count;
}
SAOffset seekFile(SAFile f, SAOffset offset, int whence)
{
    BufferedFile *b = of(f);
    if (whence == SEEK_SET)
        b->position = offset;
    else if (whence == SEEK_CUR)
        b->position += offset;
    else {
        if (!b->flushWindow() || std::fseek(b->file, long(offset), whence) != 0)
            return SAOffset(-1);
        b->position = b->windowStart = SAOffset(std::ftell(b->file));
    }
    return 0;
}
SAOffset tellFile(SAFile f) { return of(f)->position; }
int flushFile(SAFile f) { return of(f)->flushWindow() && std::fflush(of(f)->file) == 0 ? 0 : EOF; }
int closeFile(SAFile f)
{
    BufferedFile *b = of(f);
    const bool flushed = b->flushWindow();
    const bool ok = std::fclose(b->file) == 0 && flushed;
    if (!ok)
        AnyWriteFailed = true;
    delete b;
    return ok ? 0 : EOF;
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
        throw Error(QString::fromStdString(shpPath + ": cannot create the shapefile"), QString::fromStdString(shpPath));
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
        throw Error(QString::fromStdString(m_path + ": cannot write point " + std::to_string(m_count + 1)), QString::fromStdString(m_path));
    ++m_count;
}

void GridPointWriter::close()
{
    if (!m_shp && !m_dbf)
        return;
    AnyWriteFailed = false;
    if (m_shp)
        SHPClose(static_cast<SHPHandle>(m_shp));
    if (m_dbf)
        DBFClose(static_cast<DBFHandle>(m_dbf));
    m_shp = m_dbf = nullptr;
    if (AnyWriteFailed)
        throw Error(QString::fromStdString(m_path + ": cannot write the shapefile (disk full?)"), QString::fromStdString(m_path));
}
