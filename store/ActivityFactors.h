#pragma once

#include "store/Extended.h"

// The constants every activity of this program is made of, held once so that a measurement, the series
// list, the averages and the statistics cannot drift apart.
constexpr Extended GoodMarkFactor = 1.28e9L;     // a measurement whose start mark was good
constexpr Extended AfterBadMarkFactor = 2.56e9L; // counted across a bad mark, or over a non-positive interval
constexpr Extended EquilibriumFactor = 0.5L;     // from the mean activity to the equilibrium value ЭРОА
