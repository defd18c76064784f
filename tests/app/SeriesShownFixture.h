#pragma once

#include "tests/app/GuiFixture.h"

#include "table/MeasurementTableWindow.h"
#include "table/RangeDialog.h"

#include <QButtonGroup>
#include <QPushButton>

#include <functional>

// A program showing one series of 40 measurements of different lengths, zoomed to measurements 10 … 30.
class SeriesShownTest : public GuiTest {
protected:
    void SetUp() override;

    GraphSurface& graph() { return form->graph(); }
    MeasurementTableWindow& table() { return *form->tableWindow(); }
    const SelectedSeries& series() { return form->store().selected; }
    void zoomTo(int first, int last);

    // Plays the user's part in the range dialog once it is shown; Cancel if the dialog is still open after.
    void answerRangeDialog(std::function<void(RangeDialog&)> act);
    void answerRangeDialogWith(int item);

    // Clicks the cell of table row k (1-based) in column 1.
    void clickRow(int k);

    QString path;
};
