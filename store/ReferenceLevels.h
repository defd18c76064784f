#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Reference (action) levels in whole Bq/m³, as the report states the time above them and the saved table
// keeps its unit: a user types "100, 200 300"; the levels are kept sorted, each once.
constexpr int MostReferenceLevels = 10;              // as many as a report has room for
constexpr int64_t HighestReferenceLevel = 999999999; // nine digits: far above any activity of a real room

struct LevelsParse {
    std::vector<int64_t> levels; // ascending, no duplicates; empty for an empty text
    QString error;               // Russian; empty when the text was read
    bool ok() const { return error.isEmpty(); }
};

// Whole positive numbers separated by commas, semicolons or white space, in any order and repeated at will.
// Anything else, or more than MostReferenceLevels different levels, is refused with a message that names
// what was wrong, and no levels.
LevelsParse ParseReferenceLevels(const QString& text);

// "100, 200, 300": the levels as the parser reads them back.
QString ReferenceLevelsText(const std::vector<int64_t>& levels);

// The level above which the step line takes the warning colour; absent without levels.
std::optional<int64_t> HighestLevel(const std::vector<int64_t>& levels);
