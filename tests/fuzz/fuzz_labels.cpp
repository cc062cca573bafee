// libFuzzer target: the label file reader. Any bytes must be read into labels
// or refused with a MapError; labels read back must store and read again the same.
#include "mapping/MapError.h"
#include "mapping/labels/FeatureLabel.h"

#include <QByteArray>
#include <QTextStream>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextStream in(&bytes);
    QList<FeatureLabel> labels;
    try {
        labels = ReadLabelRecords(in, 32767);
    } catch (const MapError &) {
        return 0;
    }
    QByteArray stored;
    QTextStream out(&stored);
    out << labels.size() << "\r\n";
    for (const FeatureLabel &label : labels)
        label.Store(out);
    out.flush();
    QTextStream again(&stored);
    const QList<FeatureLabel> reread = ReadLabelRecords(again, 32767); // must not throw
    if (reread.size() != labels.size())
        std::abort();
    for (qsizetype i = 0; i < labels.size(); ++i)
        if (reread[i].ShapeType != labels[i].ShapeType || reread[i].Height != labels[i].Height)
            std::abort();
    return 0;
}
