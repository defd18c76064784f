#pragma once

#include "tests/app/GuiFixture.h"

#include "app/GraphCommands.h"
#include "table/Dialog.h"
#include "table/Tabnew.h"

#include <QButtonGroup>
#include <QPushButton>

#include <functional>

// A program showing one series of 40 measurements of different lengths, zoomed to measurements 10 … 30.
class SeriesShownTest : public GuiTest {
protected:
    void SetUp() override;

    GraphView& graph() { return program->graph->Graph(); }
    TFormTable& table() { return *program->FormTable; }
    const SelectedSeries& series() { return form->Store().selected; }
    void zoomTo(int first, int last);

    // Plays the user's part in the range dialog once it is shown; Cancel if the dialog is still open after.
    void answerRangeDialog(std::function<void(TFormDialog&)> act);
    void answerRangeDialogWith(int item);

    // Clicks the cell of table row k (1-based) in column 1.
    void clickRow(int k);

    QString path;
};
