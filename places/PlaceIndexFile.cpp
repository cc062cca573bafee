// The place index file: a header, then the tables and the two text pools,
// each as it lies in memory (little-endian).
#include "places/PlaceIndex.h"

#include "base/Error.h"
#include "base/SafeFileWrite.h"

#include <QFile>
#include <QSysInfo>

#include <array>
#include <cstring>
#include <type_traits>

namespace {

constexpr char Magic[16] = {'S', 'I', 'L', 'V', 'A', 'R', 'I', 'A', ' ', 'P', 'L', 'A', 'C', 'E', 'S', '1'};

static_assert(sizeof(PlaceIndex::PlaceRecord) == 40 && sizeof(PlaceIndex::NameRecord) == 24);
static_assert(std::is_trivially_copyable_v<PlaceIndex::PlaceRecord>);

// countries, places, names, texts, text characters, key characters
using Counts = std::array<std::uint32_t, 6>;

// Reads the file's parts in order, refusing any that would run past its end.
class Reader {
public:
    Reader(const QByteArray &bytes, const QString &path) : m_bytes(bytes), m_path(path) {}
    template <typename T> void table(std::vector<T> &out, std::uint32_t count)
    {
        out.resize(count);
        take(out.data(), std::size_t(count) * sizeof(T));
    }
    void pool(QString &out, std::uint32_t count)
    {
        out.resize(count);
        take(out.data(), std::size_t(count) * 2);
    }
    void take(void *to, std::size_t size)
    {
        if (size > std::size_t(m_bytes.size()) - m_at)
            throw Error(QStringLiteral("%1 is cut short (the place index is damaged).").arg(m_path), m_path);
        if (size == 0)
            return; // an empty table may have no storage to copy into
        std::memcpy(to, m_bytes.constData() + m_at, size);
        m_at += size;
    }
    bool atEnd() const { return m_at == std::size_t(m_bytes.size()); }

private:
    const QByteArray &m_bytes;
    QString m_path;
    std::size_t m_at = 0;
};

template <typename T> QByteArray bytesOf(const std::vector<T> &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size() * sizeof(T)));
}

} // namespace

PlaceIndex PlaceIndex::read(const QString &path)
{
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian)
        throw Error(QStringLiteral("%1: the place index is read on little-endian machines only.").arg(path), path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("%1 cannot be read: %2.").arg(path, file.errorString()), path);
    const QByteArray bytes = file.readAll();
    Reader reader(bytes, path);
    char magic[16];
    reader.take(magic, sizeof magic);
    if (std::memcmp(magic, Magic, sizeof magic) != 0)
        throw Error(QStringLiteral("%1 is not a place index of this version.").arg(path), path);
    Counts counts;
    reader.take(counts.data(), sizeof counts);
    for (std::uint32_t c : counts)
        if (c > std::uint32_t(bytes.size()))
            throw Error(QStringLiteral("%1 is cut short (the place index is damaged).").arg(path), path);
    PlaceIndex index;
    reader.table(index.m_countries, counts[0]);
    reader.table(index.m_places, counts[1]);
    reader.table(index.m_names, counts[2]);
    reader.table(index.m_texts, counts[3]);
    reader.pool(index.m_textPool, counts[4]);
    reader.pool(index.m_keys, counts[5]);
    if (!reader.atEnd())
        throw Error(QStringLiteral("%1 is longer than its tables (the place index is damaged).").arg(path), path);
    index.check(path);
    return index;
}

// Every reference points inside its table or pool, and the keys lie in name
// order, each ended by NameEnd, as the search walks them.
void PlaceIndex::check(const QString &path) const
{
    const auto damaged = [&path](const char *what) {
        throw Error(QStringLiteral("%1: %2 (the place index is damaged).").arg(path, QLatin1String(what)), path);
    };
    const auto textOk = [this](std::uint32_t t, bool optional) { return (optional && t == NoText) || t < m_texts.size(); };
    for (const TextRecord &t : m_texts)
        if (t.offset > m_textPool.size() || t.length > m_textPool.size() - t.offset)
            damaged("a name lies outside the names");
    for (const CountryRecord &c : m_countries)
        if (!textOk(c.code, false) || !textOk(c.name, false))
            damaged("a country has no name");
    for (const PlaceRecord &p : m_places)
        if (!textOk(p.name, false) || !textOk(p.district, true) || !textOk(p.province, true) || p.country >= m_countries.size()
            || p.kind > std::uint8_t(PlaceKind::Province))
            damaged("a place refers to a name or country that is not there");
    qsizetype next = 0;
    for (const NameRecord &n : m_names) {
        if (n.place >= m_places.size() || !textOk(n.text, false) || n.keyStart != next || n.keyLength >= m_keys.size() - next
            || m_keys[next + n.keyLength] != NameEnd)
            damaged("a name's search key is out of order");
        next += qsizetype(n.keyLength) + 1;
    }
    if (next != m_keys.size())
        damaged("search keys are left over");
}

void PlaceIndex::write(const QString &path) const
{
    const Counts counts{std::uint32_t(m_countries.size()), std::uint32_t(m_places.size()), std::uint32_t(m_names.size()),
                        std::uint32_t(m_texts.size()),     std::uint32_t(m_textPool.size()), std::uint32_t(m_keys.size())};
    QByteArray bytes(Magic, sizeof Magic);
    bytes += QByteArray(reinterpret_cast<const char *>(counts.data()), sizeof counts);
    bytes += bytesOf(m_countries) + bytesOf(m_places) + bytesOf(m_names) + bytesOf(m_texts);
    bytes += QByteArray(reinterpret_cast<const char *>(m_textPool.utf16()), m_textPool.size() * 2);
    bytes += QByteArray(reinterpret_cast<const char *>(m_keys.utf16()), m_keys.size() * 2);
    try {
        WriteFileSafely(path, bytes);
    } catch (const Error &e) {
        throw Error(QStringLiteral("%1 was not written: %2").arg(path, e.message()), path);
    }
}
