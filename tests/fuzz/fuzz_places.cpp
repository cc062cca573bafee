// libFuzzer target: place names and place index files. Any text searched on
// a small index finds places ranked best first; any bytes read as an index
// are refused with an Error or read whole, and then searched safely.
#include "base/Error.h"
#include "places/PlaceSearch.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const PlaceIndex index = PlaceIndex::build(
        {{{QStringLiteral("Ðà Lạt"), PlaceKind::Place, {}, QStringLiteral("Lâm Đồng"), QStringLiteral("VN"), QStringLiteral("Vietnam"), 108.4, 11.9, 197000},
          {QStringLiteral("Dalat")}},
         {{QStringLiteral("Chiang Mai"), PlaceKind::Province, {}, {}, QStringLiteral("TH"), QStringLiteral("Thailand"), 99, 18.8, 1},
          {QStringLiteral("เชียงใหม่")}}});
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);
    const std::vector<PlaceMatch> found = FindPlaces(index, text, text.left(2), 0);
    for (std::size_t i = 1; i < found.size(); ++i)
        if (found[i].quality < found[i - 1].quality || found[i].place >= index.placeCount())
            std::abort();
    ChoosePlace(index, text);

    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("places.idx"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    try {
        const PlaceIndex read = PlaceIndex::read(path);
        for (const PlaceMatch &m : FindPlaces(read, u"a", QString(), 0))
            read.place(m.place);
    } catch (const Error &) {
    }
    return 0;
}
