#pragma once
#include "mapping/MapSymbol.h"
#include "mapping/labels/FeatureLabel.h"

#include <QList>
#include <QString>

#include <functional>

class MapCanvas;
class MapLayer;
struct MapPoint;

// The labels a user attaches to map features, painted over the map on every
// redraw. Labels keep map coordinates and a height in map units, so they stay
// in place and grow and shrink with the zoom.
class LabelLayer {
public:
    LabelLayer();

    // The map the labels belong to (not owned, and outliving the set); nothing
    // is added or drawn until set.
    MapCanvas *Map = nullptr;
    // The height, in map units, that each new label takes.
    double TextHeight = 0;

    // Adds a label for the first feature of `lyrLabel` at the point, with the
    // value of field `fldName` (or of the first text field) as its text, then
    // refreshes the map. Adds nothing where no feature lies. Throws MapError when
    // the set already holds the most labels it can.
    void Add(const MapLayer &lyrLabel, const QString &fldName, const MapPoint &pntLocation);
    // Empties the set; the map is not repainted.
    void DeleteAll();
    // Paints every label; only while the map draws (its top layer has just been drawn).
    void Draw();
    // Replaces the file with the set: written beside it and renamed into place,
    // so a failure never leaves a half-written file. Throws MapError naming the
    // file and the reason.
    void Store(const QString &filename) const;
    // Asks whether to remove the current labels, then reads the file's labels:
    // Yes replaces the set by them, No adds them after the current ones. The set
    // is unchanged when the file cannot be read. Throws MapError naming the file.
    void Load(const QString &filename);

    // The question Load asks; answers true to remove the current labels. The
    // window showing the map asks the user; unset, the current labels go.
    std::function<bool()> confirmRemove;

    static constexpr int MaxLabels = 32767;
    int count() const { return int(m_labels.size()); }
    const FeatureLabel &label(int index) const { return m_labels.at(index); }

private:
    TextSymbol m_symbol;
    QList<FeatureLabel> m_labels;
};
