#pragma once

#include "graph/ViewState.h"
#include "store/MeasurementTexts.h"

#include <QString>

#include <optional>

// What a command leaves in status panel 1: a text to show, or nothing when the panel keeps its text.
using StatusChange = std::optional<QString>;

extern const char* const BlankStatus; // " ": most commands clear the panel to one blank

// The pointer commands keep the pointer within the visible range and say so when it cannot go further.
StatusChange StepPointerRight(ViewState& view);
StatusChange StepPointerLeft(ViewState& view);
StatusChange PointerToFirst(ViewState& view);
StatusChange PointerToLast(ViewState& view);

// Puts the pointer on measurement k, a click's choice, kept inside the visible range with the message of
// the end it stopped at.
StatusChange ClickedMeasurement(ViewState& view, int k);

enum class NavigationCommand { None, Home, Left, Right, End };

// The keys of the pointer commands: End, Home, the numeric keypad's 4 and 6 while it gives digits, and the
// arrows Left and Right.
// keypad says that the key came from the numeric keypad.
NavigationCommand NavigationKey(int qtKey, bool keypad);

StatusChange RunNavigation(ViewState& view, NavigationCommand command);
