#pragma once
#include "analysis/ScenarioGrids.h"

#include <QComboBox>

#include <memory>
#include <vector>

class QLabel;
class ShapeLayer;

// The choice of climate in an analysis window, "cboClimate": the grid's own
// (the first entry, captioned by the window) or one of the scenario grids
// installed beside the grid, each as "scenario GCM SSP PERIOD", with its
// caption "Climate:" (lblClimate) for the window to place before it. Both are
// hidden when no scenario is installed. Choosing a scenario reads its grid; one that cannot be
// read, or lies on other points than the grid's, is told through ShowError and
// the choice goes back to the climate shown before, so the window goes on as
// it was.
class ScenarioChoice : public QComboBox {
    Q_OBJECT
public:
    // `gridCaption` is untranslated, in the context "ScenarioChoice".
    ScenarioChoice(const char *gridCaption, const QString &gridFolder, std::shared_ptr<const ShapeLayer> grid,
                   QWidget *parent);

    QLabel *caption() const { return m_caption; }
    // The chosen scenario, or null for the grid's own climate.
    const ScenarioGrid *scenario() const;
    // The chosen scenario's grid layer, or null.
    const std::shared_ptr<MapLayer> &scenarioLayer() const { return m_layer; }
    // The layer whose climate is chosen: the scenario's or the grid's own.
    const ShapeLayer &climateLayer() const;
    // "scenario GCM-1 ssp245 2041-2060: a projection of one climate model, not
    // a forecast", or "" for the grid's own climate.
    QString note() const;

signals:
    // Another climate was chosen and its grid read.
    void climateChosen();

protected:
    void changeEvent(QEvent *event) override;

private:
    const char *m_gridCaption = nullptr;
    void choose(int index);

    QLabel *m_caption;
    std::vector<ScenarioGrid> m_scenarios;
    std::shared_ptr<const ShapeLayer> m_grid;
    std::shared_ptr<MapLayer> m_layer;
    int m_shown = 0; // the entry whose climate is in use
};
