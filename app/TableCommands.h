#pragma once

#include "store/SeriesEvaluation.h"
#include "store/SpanStatistics.h"
#include "table/TableFile.h"

#include <optional>
#include <vector>

class GraphView;
class InfoPanel;
class MeasurementDocument;
class MeasurementTableModel;
class QWidget;
class RangeDialog;
class UserDialogs;

// The commands that ask for a span of the table, averaging over it and saving it as a text file, and what
// the table outputs read, from the table's model. The range dialog is theirs, made when first wanted.
class TableCommands {
public:
    // What the commands read and where they answer; window is the owner of their dialogs, graphArea the
    // area a dialog covers.
    struct Parts {
        QWidget& window;
        const MeasurementDocument& document;
        const GraphView& graph;
        const MeasurementTableModel& model;
        InfoPanel& infoPanel;
        QWidget& graphArea;
        UserDialogs& dialogs;
    };
    explicit TableCommands(const Parts& parts);

    // Averaging: the average over the span the range dialog confirms, in the information panel.
    void averageOverRange();
    // The span of the table the range dialog confirms, saved as a CP866 text file or as CSV.
    void saveTable();

    // Shows the range dialog; the confirmed span becomes the range.
    std::optional<MeasurementSpan> chooseRange();
    // The last span confirmed in the range dialog.
    MeasurementSpan range() const { return range_; }
    RangeDialog* rangeDialog();

    // What the table outputs read: the titles of row 0, the rows of the span and the header of the series.
    RowTexts titles() const;
    std::vector<RowTexts> rows(const MeasurementSpan& span) const;
    TableHeader header() const;

private:
    Parts parts_;
    RangeDialog* dialog_ = nullptr;
    MeasurementSpan range_;
};

// The filters of the save dialog, as Qt spells "Текстовый файл (*.txt)|*.txt": the table's text file, and
// CSV for other programs.
extern const char* const TableFileFilter;
extern const char* const CsvFileFilter; // "CSV (*.csv)"
