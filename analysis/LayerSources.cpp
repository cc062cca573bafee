#include "analysis/LayerSources.h"

#include <QFile>
#include <QStringList>

QMap<QString, QString> ReadLayerSources(const QString &shapeFolder)
{
    QMap<QString, QString> sources;
    QFile file(shapeFolder + QStringLiteral("/sources.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return sources;
    const QStringList lines = QString::fromUtf8(file.read(1 << 20)).split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || eq <= 0)
            continue;
        sources.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return sources;
}

QString LayerSource(const QMap<QString, QString> &sources, const QString &layer)
{
    return sources.value(layer, QStringLiteral("%1: source not described in sources.txt").arg(layer));
}
