#pragma once

#include "app/commands/CommandParts.h"
#include "store/SpanStatistics.h"

#include <optional>

class RangeDialog;

// The range dialog that averaging, saving the table, printing it and the report share: it offers the
// measurements in view and keeps the last span confirmed. The dialog is made when first wanted.
class RangeChoice {
public:
    explicit RangeChoice(const CommandParts& parts) : parts_(parts) {}

    // Shows the range dialog; the confirmed span becomes the range.
    std::optional<MeasurementSpan> choose();
    // The last span confirmed in the range dialog.
    MeasurementSpan range() const { return range_; }
    RangeDialog* dialog();

private:
    CommandParts parts_;
    RangeDialog* dialog_ = nullptr;
    MeasurementSpan range_;
};
