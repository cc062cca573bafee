#pragma once
#include "analysis/CountryAssignment.h"

#include <QString>

#include <memory>

// The province of every grid point from the province layer (NAME, COUNTRY):
// an assignment whose names are "COUNTRY<tab>NAME", sorted so that each
// country's provinces follow one another. Features without a NAME (minor
// islands) hold no points. Throws MapError when the layer lacks a field.
CountryAssignment AssignProvinces(const ShapeLayer &grid, const ShapeLayer &provinces);
// The same, computed on first use and kept while both layers are in memory.
std::shared_ptr<const CountryAssignment> ProvincesOf(const std::shared_ptr<const ShapeLayer> &grid,
                                                     const std::shared_ptr<const ShapeLayer> &provinces);

// The country and the province of an assignment's name.
QString ProvinceCountry(const QString &assignedName);
QString ProvinceName(const QString &assignedName);

// The country of the province layer with this code (ISO_A2, such as "TH") or
// name, in any case, as the layer writes it; empty when there is none.
QString ProvinceLayerCountry(const ShapeLayer &provinces, const QString &codeOrName);
