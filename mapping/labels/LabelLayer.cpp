#include "mapping/labels/LabelLayer.h"

#include "base/SafeFileWrite.h"
#include "mapping/MapCanvas.h"
#include "mapping/MapError.h"
#include "mapping/MapLayer.h"
#include "mapping/MapRecordSet.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <optional>

namespace {

constexpr int FieldTypeText = 8;

// The field whose value becomes a label's text: the named one, else the first
// text field of the layer, else none.
std::optional<QString> labelField(const MapLayer &layer, const QString &name)
{
    const MapRecordSet all = layer.records();
    if (all.isEOF())
        return std::nullopt;
    const std::vector<MapField> fields = all.fields();
    for (const MapField &f : fields) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return f.name;
    }
    for (const MapField &f : fields) {
        if (f.type == FieldTypeText)
            return f.name;
    }
    return std::nullopt;
}

QString notSaved(const QString &file, const QString &reason)
{
    return QCoreApplication::translate("LabelLayer", "The labels could not be saved to %1: %2.").arg(file, reason);
}

QString notRead(const QString &file, const QString &reason)
{
    return QCoreApplication::translate("LabelLayer", "The labels could not be read from %1: %2.").arg(file, reason);
}

} // namespace

LabelLayer::LabelLayer()
{
    QFont font(QStringLiteral("Times"));
    font.setBold(false);
    m_symbol.font = font;
}

void LabelLayer::Add(const MapLayer &lyrLabel, const QString &fldName, const MapPoint &pntLocation)
{
    if (!Map)
        return;
    const std::optional<QString> field = labelField(lyrLabel, fldName);
    if (!field)
        return;
    const MapRecordSet found = lyrLabel.searchAtPoint(pntLocation, Map->toMapDistance(100));
    if (found.isEOF())
        return;
    if (m_labels.size() >= MaxLabels)
        throw MapError(QCoreApplication::translate("LabelLayer", "The map holds %1 labels, the most it can.").arg(MaxLabels));
    FeatureLabel label;
    label.Text = found.valueText(*field);
    label.Height = TextHeight;
    label.ShapeType = short(lyrLabel.shapeType());
    label.Shape = lyrLabel.shapeType() == ShapeTypePolygon ? found.shape().Centroid() : found.shape();
    label.FixLine();
    m_labels.append(label);
    Map->refresh();
}

void LabelLayer::DeleteAll() { m_labels.clear(); }

void LabelLayer::Draw()
{
    if (!Map)
        return;
    for (const FeatureLabel &label : m_labels) {
        m_symbol.height = label.Height;
        Map->drawText(label.Text, label.Shape, m_symbol);
    }
}

void LabelLayer::Store(const QString &filename) const
{
    QByteArray bytes;
    QTextStream out(&bytes);
    out.setEncoding(QStringConverter::Utf8);
    out << m_labels.size() << "\r\n";
    for (const FeatureLabel &label : m_labels)
        label.Store(out);
    out.flush();
    try {
        WriteFileSafely(filename, bytes);
    } catch (const std::runtime_error &e) {
        throw MapError(notSaved(filename, QString::fromUtf8(e.what())));
    }
}

void LabelLayer::Load(const QString &filename)
{
    const bool removeCurrent = confirmRemove ? confirmRemove() : true;
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly))
        throw MapError(notRead(filename, file.errorString()));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    QList<FeatureLabel> loaded;
    try {
        loaded = ReadLabelRecords(in, MaxLabels - (removeCurrent ? 0 : m_labels.size()));
    } catch (const MapError &e) {
        throw MapError(notRead(filename, e.message()));
    }
    if (removeCurrent)
        DeleteAll();
    m_labels.append(loaded);
    if (Map)
        Map->refresh();
}
