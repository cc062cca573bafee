// Reading a shapefile (.shp, .shx, .dbf) into a ShapeLayer through shapelib.
#include "mapping/MapError.h"
#include "mapping/ShapeLayer.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <shapefil.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>

namespace {

// shapelib reports its reasons through a hook; keep the last one.
thread_local std::string lastShapelibError;

void captureError(const char *message)
{
    lastShapelibError = message ? message : "";
}

// shapelib reads through these hooks from a memory map of the whole file:
// the default stdio hooks seek and read once per record, which costs a
// system call or two for every point of a large grid.
struct MappedFile {
    QFile file;
    const uchar *data = nullptr;
    qint64 size = 0;
    qint64 position = 0;
};

SAFile mappedOpen(const char *name, const char *access)
{
    if (std::strpbrk(access, "wa+"))
        return nullptr; // layers are read, never written
    auto *mapped = new MappedFile;
    mapped->file.setFileName(QFile::decodeName(name));
    if (!mapped->file.open(QIODevice::ReadOnly)) {
        delete mapped;
        return nullptr;
    }
    mapped->size = mapped->file.size();
    if (mapped->size > 0) {
        mapped->data = mapped->file.map(0, mapped->size);
        if (!mapped->data) {
            delete mapped;
            return nullptr;
        }
    }
    return reinterpret_cast<SAFile>(mapped);
}

SAOffset mappedRead(void *buffer, SAOffset size, SAOffset count, SAFile handle)
{
    auto *mapped = reinterpret_cast<MappedFile *>(handle);
    if (size == 0 || mapped->position >= mapped->size)
        return 0;
    const SAOffset available = SAOffset(mapped->size - mapped->position);
    const SAOffset items = std::min<SAOffset>(count, available / size);
    std::memcpy(buffer, mapped->data + mapped->position, items * size);
    mapped->position += qint64(items * size);
    return items;
}

SAOffset mappedWrite(void *, SAOffset, SAOffset, SAFile)
{
    return 0;
}

SAOffset mappedSeek(SAFile handle, SAOffset offset, int whence)
{
    auto *mapped = reinterpret_cast<MappedFile *>(handle);
    qint64 base = 0;
    if (whence == SEEK_CUR)
        base = mapped->position;
    else if (whence == SEEK_END)
        base = mapped->size;
    const qint64 target = base + qint64(offset);
    if (target < 0)
        return SAOffset(-1);
    mapped->position = target;
    return 0;
}

SAOffset mappedTell(SAFile handle)
{
    return SAOffset(reinterpret_cast<MappedFile *>(handle)->position);
}

int mappedFlush(SAFile)
{
    return 0;
}

int mappedClose(SAFile handle)
{
    delete reinterpret_cast<MappedFile *>(handle);
    return 0;
}

int noRemove(const char *)
{
    return -1;
}

// A whole file mapped into memory, for the loops over records.
struct MappedView {
    QFile file;
    const uchar *data = nullptr;
    qint64 size = 0;

    explicit MappedView(const QString &path) : file(path)
    {
        if (!file.open(QIODevice::ReadOnly))
            throw MapError(QStringLiteral("%1: %2").arg(path, file.errorString()), path);
        size = file.size();
        if (size > 0 && !(data = file.map(0, size)))
            throw MapError(QStringLiteral("%1: %2").arg(path, file.errorString()), path);
    }
};

double littleEndianDouble(const uchar *p)
{
    double value;
    std::memcpy(&value, p, sizeof value); // shapefiles store doubles little-endian, as x86 and ARM do
    return value;
}

qint32 littleEndianInt(const uchar *p)
{
    return qint32(quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
}

SAHooks capturingHooks()
{
    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    hooks.FOpen = mappedOpen;
    hooks.FRead = mappedRead;
    hooks.FWrite = mappedWrite;
    hooks.FSeek = mappedSeek;
    hooks.FTell = mappedTell;
    hooks.FFlush = mappedFlush;
    hooks.FClose = mappedClose;
    hooks.Remove = noRemove;
    hooks.Error = captureError;
    return hooks;
}

QString reason(const QString &fallback)
{
    QString text = QString::fromLocal8Bit(lastShapelibError.c_str()).trimmed();
    lastShapelibError.clear();
    return text.isEmpty() ? fallback : text;
}

QString sibling(const QString &shpPath, const char *extension)
{
    QString base = shpPath;
    if (base.endsWith(QLatin1String(".shp"), Qt::CaseInsensitive))
        base.chop(4);
    const QString lower = base + QLatin1Char('.') + QLatin1String(extension);
    if (QFileInfo::exists(lower))
        return lower;
    const QString upper = base + QLatin1Char('.') + QString::fromLatin1(extension).toUpper();
    return QFileInfo::exists(upper) ? upper : lower;
}

struct ShpCloser {
    void operator()(SHPInfo *h) const { SHPClose(h); }
};
struct DbfCloser {
    void operator()(DBFInfo *h) const { DBFClose(h); }
};
struct ObjectDestroyer {
    void operator()(SHPObject *o) const { SHPDestroyObject(o); }
};
using ShapeObject = std::unique_ptr<SHPObject, ObjectDestroyer>;

int vertexCountOf(const SHPObject &object) { return object.nSHPType == SHPT_NULL ? 0 : std::max(object.nVertices, 0); }

// Record `i` of the shapefile; one shapelib cannot read is a MapError.
ShapeObject readObject(SHPInfo *shp, std::uint32_t i, const QString &path)
{
    lastShapelibError.clear();
    ShapeObject object(SHPReadObject(shp, int(i)));
    if (!object)
        throw MapError(QStringLiteral("%1: shape %2 cannot be read: %3")
                           .arg(path)
                           .arg(i)
                           .arg(reason(QStringLiteral("the record is truncated or corrupt"))));
    return object;
}

int shapeTypeCode(int shpType)
{
    switch (shpType) {
    case SHPT_ARC:
    case SHPT_ARCZ:
    case SHPT_ARCM:
        return ShapeTypeLine;
    case SHPT_POLYGON:
    case SHPT_POLYGONZ:
    case SHPT_POLYGONM:
    case SHPT_MULTIPATCH:
        return ShapeTypePolygon;
    default:
        return ShapeTypePoint;
    }
}

bool isKnownType(int shpType)
{
    switch (shpType) {
    case SHPT_NULL:
    case SHPT_POINT:
    case SHPT_ARC:
    case SHPT_POLYGON:
    case SHPT_MULTIPOINT:
    case SHPT_POINTZ:
    case SHPT_ARCZ:
    case SHPT_POLYGONZ:
    case SHPT_MULTIPOINTZ:
    case SHPT_POINTM:
    case SHPT_ARCM:
    case SHPT_POLYGONM:
    case SHPT_MULTIPOINTM:
    case SHPT_MULTIPATCH:
        return true;
    default:
        return false;
    }
}

// The fixed part of a .shp or .shx header: file code 9994 (big-endian) and
// version 1000 (little-endian). shapelib does not look at them.
void checkHeader(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw MapError(QStringLiteral("%1: %2").arg(file, f.errorString()), file);
    const QByteArray header = f.read(100);
    if (header.size() < 100)
        throw MapError(QStringLiteral("%1: the file is shorter than its 100-byte header").arg(file), file);
    const auto byte = [&](int i) { return quint32(quint8(header[i])); };
    const quint32 code = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
    const quint32 version = byte(28) | byte(29) << 8 | byte(30) << 16 | byte(31) << 24;
    if (code != 9994 || version != 1000)
        throw MapError(QStringLiteral("%1: not a shapefile (file code %2, version %3)").arg(file).arg(code).arg(version), file);
}

bool isSimplePoint(int shpType)
{
    return shpType == SHPT_POINT || shpType == SHPT_POINTZ || shpType == SHPT_POINTM || shpType == SHPT_NULL;
}

} // namespace

class ShapefileReader {
public:
    static std::shared_ptr<ShapeLayer> read(const QString &path);

private:
    static void readGeometry(ShapeLayer &layer, SHPInfo *shp, const QString &path);
    static void readShape(ShapeLayer &layer, const SHPObject &object, std::uint32_t index, int fileType, const QString &path);
    static void readPart(ShapeLayer &layer, const SHPObject &object, int part, std::uint32_t index, const QString &path);
    static void readPoints(ShapeLayer &layer, SHPInfo *shp, const QString &path);
    static void readAttributes(ShapeLayer &layer, DBFInfo *dbf, const QString &dbfPath);
};

std::shared_ptr<ShapeLayer> ShapefileReader::read(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw MapError(QStringLiteral("%1: the file does not exist").arg(path), path);
    const QString shxPath = sibling(path, "shx");
    const QString dbfPath = sibling(path, "dbf");
    if (!QFileInfo(shxPath).isFile())
        throw MapError(QStringLiteral("%1: the index file %2 does not exist").arg(path, shxPath), path);
    if (!QFileInfo(dbfPath).isFile())
        throw MapError(QStringLiteral("%1: the attribute file %2 does not exist").arg(path, dbfPath), path);

    checkHeader(path);
    checkHeader(shxPath);
    SAHooks hooks = capturingHooks();
    lastShapelibError.clear();
    std::unique_ptr<SHPInfo, ShpCloser> shp(SHPOpenLL(QFile::encodeName(path).constData(), "rb", &hooks));
    if (!shp)
        throw MapError(QStringLiteral("%1: %2").arg(path, reason(QStringLiteral("not a readable shapefile"))), path);
    std::unique_ptr<DBFInfo, DbfCloser> dbf(DBFOpenLL(QFile::encodeName(dbfPath).constData(), "rb", &hooks));
    if (!dbf)
        throw MapError(QStringLiteral("%1: %2").arg(dbfPath, reason(QStringLiteral("not a readable dBase file"))), dbfPath);

    auto layer = std::make_shared<ShapeLayer>();
    layer->m_path = path;
    const int records = shp->nRecords;
    if (records < 0)
        throw MapError(QStringLiteral("%1: the record count is negative").arg(path), path);
    if (DBFGetRecordCount(dbf.get()) != records)
        throw MapError(QStringLiteral("%1: the attribute file holds %2 records but the shapefile %3")
                           .arg(dbfPath)
                           .arg(DBFGetRecordCount(dbf.get()))
                           .arg(records));
    layer->m_featureCount = std::uint32_t(records);
    readGeometry(*layer, shp.get(), path);
    readAttributes(*layer, dbf.get(), dbfPath);
    layer->buildIndex();
    return layer;
}

void ShapefileReader::readGeometry(ShapeLayer &layer, SHPInfo *shp, const QString &path)
{
    const int fileType = shp->nShapeType;
    if (!isKnownType(fileType))
        throw MapError(QStringLiteral("%1: unknown shape type %2").arg(path).arg(fileType), path);
    layer.m_shapeType = shapeTypeCode(fileType);
    layer.m_pointArrays = isSimplePoint(fileType);
    const std::uint32_t count = layer.m_featureCount;
    if (layer.m_pointArrays)
        return readPoints(layer, shp, path);
    layer.m_featurePart.reserve(std::size_t(count) + 1);
    // Fast mode reuses one object for every record instead of allocating one each.
    SHPSetFastModeReadObject(shp, 1);
    for (std::uint32_t i = 0; i < count; ++i)
        readShape(layer, *readObject(shp, i, path), i, fileType, path);
    layer.m_vertices.shrink_to_fit();
    layer.m_partStart.shrink_to_fit();
    layer.m_partBox.shrink_to_fit();
}

// One record's parts, in a file of type `fileType`.
void ShapefileReader::readShape(ShapeLayer &layer, const SHPObject &object, std::uint32_t index, int fileType, const QString &path)
{
    const int type = object.nSHPType;
    if (!isKnownType(type) || (type != SHPT_NULL && shapeTypeCode(type) != layer.m_shapeType))
        throw MapError(QStringLiteral("%1: shape %2 has type %3 in a file of type %4")
                           .arg(path)
                           .arg(index)
                           .arg(type)
                           .arg(fileType));
    const int vertexCount = vertexCountOf(object);
    // Lines, polygons and multipoints: one part per ring or line (a
    // multipoint is one part holding all its points).
    const int partCount = (layer.m_shapeType == ShapeTypePoint || vertexCount == 0)
                              ? (vertexCount > 0 ? 1 : 0)
                              : std::max(object.nParts, 1);
    for (int k = 0; k < partCount; ++k)
        readPart(layer, object, k, index, path);
    layer.m_featurePart.push_back(std::uint32_t(layer.m_partBox.size()));
}

// One ring or line of a record (a multipoint's points): its vertices and box.
void ShapefileReader::readPart(ShapeLayer &layer, const SHPObject &object, int part, std::uint32_t index, const QString &path)
{
    const int vertexCount = vertexCountOf(object);
    int begin = 0, end = vertexCount;
    if (layer.m_shapeType != ShapeTypePoint && object.nParts > 0) {
        begin = object.panPartStart[part];
        end = part + 1 < object.nParts ? object.panPartStart[part + 1] : vertexCount;
        if (begin < 0 || end > vertexCount || begin > end)
            throw MapError(QStringLiteral("%1: shape %2 has a part outside its vertices").arg(path).arg(index), path);
    }
    MapExtent box;
    for (int v = begin; v < end; ++v) {
        const MapPoint p{object.padfX[v], object.padfY[v]};
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            throw MapError(QStringLiteral("%1: shape %2 has a coordinate that is not a number").arg(path).arg(index), path);
        layer.m_vertices.push_back(p);
        box.include(p);
    }
    layer.m_partStart.push_back(std::uint32_t(layer.m_vertices.size()));
    layer.m_partBox.push_back(box);
    layer.m_extent.include(box);
}

// Point records are read straight from the mapped file, at the offsets
// shapelib took from the .shx: a grid has millions of them.
void ShapefileReader::readPoints(ShapeLayer &layer, SHPInfo *shp, const QString &path)
{
    const std::uint32_t count = layer.m_featureCount;
    layer.m_x.resize(count);
    layer.m_y.resize(count);
    const MappedView view(path);
    for (std::uint32_t i = 0; i < count; ++i) {
        const qint64 offset = shp->panRecOffset[i];
        const qint64 size = shp->panRecSize[i];
        if (offset < 100 || size < 4 || offset + 8 + size > view.size)
            throw MapError(QStringLiteral("%1: shape %2 lies outside the file (the file is truncated or its index "
                                          "is corrupt)")
                               .arg(path)
                               .arg(i));
        const uchar *content = view.data + offset + 8;
        const int type = littleEndianInt(content);
        double x = std::nan(""), y = std::nan("");
        if (type != SHPT_NULL) {
            if (!isSimplePoint(type))
                throw MapError(QStringLiteral("%1: shape %2 has type %3 in a point file").arg(path).arg(i).arg(type), path);
            if (size < 20)
                throw MapError(QStringLiteral("%1: shape %2 is shorter than a point").arg(path).arg(i), path);
            x = littleEndianDouble(content + 4);
            y = littleEndianDouble(content + 12);
            if (!std::isfinite(x) || !std::isfinite(y))
                x = y = std::nan(""); // a "no data" point draws nothing and is never found
            else
                layer.m_extent.include(MapPoint{x, y});
        }
        layer.m_x[i] = x;
        layer.m_y[i] = y;
    }
}

void ShapefileReader::readAttributes(ShapeLayer &layer, DBFInfo *dbf, const QString &dbfPath)
{
    const int fieldCount = DBFGetFieldCount(dbf);
    const char *codePage = DBFGetCodePage(dbf);
    const QString page = QString::fromLatin1(codePage ? codePage : "").toUpper();
    const bool utf8 = !(page.contains(QLatin1String("1252")) || page.contains(QLatin1String("8859")) ||
                        page.contains(QLatin1String("LATIN")));
    std::vector<AttributeColumnBuilder> builders;
    std::vector<std::pair<int, int>> spans; // offset, width inside a record
    builders.reserve(std::size_t(std::max(fieldCount, 0)));
    for (int f = 0; f < fieldCount; ++f) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        int width = 0, decimals = 0;
        DBFGetFieldInfo(dbf, f, name, &width, &decimals);
        const int offset = dbf->panFieldOffset[f];
        if (width <= 0 || offset < 1 || offset + width > dbf->nRecordLength)
            throw MapError(QStringLiteral("%1: field %2 lies outside the record").arg(dbfPath).arg(f), dbfPath);
        builders.emplace_back(QString::fromLatin1(name).trimmed(), DBFGetNativeFieldType(dbf, f), width, decimals,
                              utf8);
        builders.back().reserve(layer.m_featureCount);
        spans.emplace_back(offset, width);
    }
    // The records, read in blocks after the header that shapelib checked;
    // each builder runs a tight loop over its field while the block is in
    // the cache.
    QFile file(dbfPath);
    if (!file.open(QIODevice::ReadOnly))
        throw MapError(QStringLiteral("%1: %2").arg(dbfPath, file.errorString()), dbfPath);
    const qint64 header = dbf->nHeaderLength;
    const qint64 length = dbf->nRecordLength;
    const qint64 needed = header + qint64(layer.m_featureCount) * length;
    if (length <= 0 || needed > file.size()) {
        const qint64 whole = length > 0 ? std::max<qint64>(0, (file.size() - header) / length) : 0;
        throw MapError(QStringLiteral("%1: the file is truncated: it holds %2 of its %3 records")
                           .arg(dbfPath)
                           .arg(whole)
                           .arg(layer.m_featureCount));
    }
    constexpr std::uint32_t BlockRecords = 4096;
    std::vector<char> block(std::size_t(length) * BlockRecords);
    file.seek(header);
    for (std::uint32_t first = 0; first < layer.m_featureCount; first += BlockRecords) {
        const std::uint32_t end = std::min(layer.m_featureCount, first + BlockRecords);
        const qint64 bytes = qint64(end - first) * length;
        if (file.read(block.data(), bytes) != bytes)
            throw MapError(QStringLiteral("%1: %2").arg(dbfPath, file.errorString()), dbfPath);
        for (std::size_t f = 0; f < builders.size(); ++f)
            builders[f].appendMany(block.data() + spans[f].first, std::size_t(length), std::size_t(spans[f].second),
                                   end - first);
    }
    std::vector<AttributeColumn> columns;
    columns.reserve(builders.size());
    for (AttributeColumnBuilder &builder : builders)
        columns.push_back(builder.finish());
    layer.m_attributes = AttributeTable(std::move(columns), layer.m_featureCount);
}

std::shared_ptr<const ShapeLayer> ShapeLayer::read(const QString &path)
{
    return ShapefileReader::read(path);
}

std::shared_ptr<const ShapeLayer> ShapeLayer::open(const QString &givenPath)
{
    // Data paths are written with "\" separators; accept them here too.
    QString path = givenPath;
    if (!QFileInfo::exists(path) && path.contains(QLatin1Char('\\')))
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));

    // Maps opening the same unchanged file share one copy in memory.
    struct Entry {
        std::weak_ptr<const ShapeLayer> layer;
        QString stamp;
    };
    static std::mutex mutex;
    static std::map<QString, Entry> cache;

    const QFileInfo shpInfo(path);
    const QFileInfo dbfInfo(sibling(path, "dbf"));
    const QFileInfo shxInfo(sibling(path, "shx"));
    const QString key = shpInfo.canonicalFilePath();
    auto stampOf = [](const QFileInfo &info) {
        return QStringLiteral("%1@%2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    };
    const QString stamp = stampOf(shpInfo) + QLatin1Char('/') + stampOf(shxInfo) + QLatin1Char('/') + stampOf(dbfInfo);
    if (!key.isEmpty()) {
        std::lock_guard lock(mutex);
        auto found = cache.find(key);
        if (found != cache.end() && found->second.stamp == stamp)
            if (auto shared = found->second.layer.lock())
                return shared;
    }
    std::shared_ptr<const ShapeLayer> layer = ShapefileReader::read(path);
    if (!key.isEmpty()) {
        std::lock_guard lock(mutex);
        cache[key] = Entry{layer, stamp};
    }
    return layer;
}
