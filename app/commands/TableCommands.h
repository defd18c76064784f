#pragma once

#include "app/commands/CommandParts.h"

class InfoPanel;
class MeasurementTableModel;
class RangeChoice;

// The commands that ask for a span of the table, averaging over it and saving it as a text file.
class TableCommands {
public:
    TableCommands(const CommandParts& parts, RangeChoice& range, const MeasurementTableModel& model,
                  InfoPanel& infoPanel);

    // Averaging: the average over the span the range dialog confirms, in the information panel.
    void averageOverRange();
    // The span of the table the range dialog confirms, saved as a CP866 text file or as CSV.
    void saveTable();

private:
    CommandParts parts_;
    RangeChoice& range_;
    const MeasurementTableModel& model_;
    InfoPanel& infoPanel_;
};

// The filters of the save dialog, as Qt spells "Текстовый файл (*.txt)|*.txt": the table's text file, and
// CSV for other programs.
extern const char* const TableFileFilter;
extern const char* const CsvFileFilter; // "CSV (*.csv)"
