#pragma once
#include "places/PlaceIndex.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

// How well a typed text matches a name, best first: the whole name, its
// beginning, the beginning of one of its words, or anywhere inside it.
enum class MatchQuality : std::uint8_t { Whole = 0, Start = 1, WordStart = 2, Inside = 3 };

struct PlaceMatch {
    std::uint32_t place = 0;
    std::uint32_t name = 0; // the name (main or alternate) that matched best
    MatchQuality quality = MatchQuality::Inside;
};

// The places one of whose names holds the folded text, at most `limit` (0:
// all), ranked by match quality, then population (largest first), then
// index order. `country` (a code such as "TH" or a country's name, any case;
// empty: every country) keeps only that country's places. A text that folds
// to nothing (only spaces, punctuation, control characters) matches nothing.
std::vector<PlaceMatch> FindPlaces(const PlaceIndex &index, QStringView text, const QString &country = QString(),
                                   std::size_t limit = 20);

// The country number of a code or name (any case) among the index's
// countries, or nothing.
std::optional<std::uint16_t> FindCountry(const PlaceIndex &index, const QString &country);

// The place a name stands for on the command line: the one place whose name
// is the text (populated places before divisions of the same name), else the
// only place matching it at all. Otherwise `place` is empty and `candidates`
// holds up to ten matches, best first (none: no place matches).
struct PlaceChoice {
    std::optional<std::uint32_t> place;
    std::vector<PlaceMatch> candidates;
};
PlaceChoice ChoosePlace(const PlaceIndex &index, QStringView text, const QString &country = QString());
