#include "app/GraphPictureCommand.h"

#include "app/GraphWidget.h"
#include "app/MainWindow.h"
#include "app/PrintTarget.h"
#include "app/UserDialogs.h"
#include "graph/GraphPicture.h"
#include "store/AtomicFile.h"

const char* const PngPictureFilter = "Рисунок PNG (*.png)";
const char* const SvgPictureFilter = "Рисунок SVG (*.svg)";
const char* const PictureFileEnding = "-график.png";

GraphPictureCommand::GraphPictureCommand(MainWindow& window, UserDialogs& dialogs)
    : window_(window), dialogs_(dialogs) {}

void GraphPictureCommand::save() {
    const MeasurementDocument& document = window_.document();
    const SelectedSeries& series = document.series();
    if (series.measurementCount == 0 || document.noSeriesChosen())
        return;
    SaveDialogRequest request{
        QStringLiteral("png"), QString::fromUtf8(PngPictureFilter),
        ProposedPrintFileName(document.file().dataFileName, QString::fromUtf8(PictureFileEnding)), true};
    request.otherFilters = {QString::fromUtf8(SvgPictureFilter)};
    const std::optional<SaveChoice> choice = dialogs_.saveFileOfType(&window_, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    window_.graphWidget->update();
    if (!choice)
        return;
    const QSize onScreen = window_.graphWidget->size();
    const std::optional<QSize> size = dialogs_.pictureSize(&window_, onScreen);
    if (!size)
        return;

    const GraphView& graph = window_.graph();
    const ViewWindow view = ViewForPictureSize(graph.view(), series, onScreen, *size);
    const PictureFormat format =
        choice->nameFilter == QString::fromUtf8(SvgPictureFilter) ? PictureFormat::Svg : PictureFormat::Png;
    const QByteArray bytes =
        GraphPictureBytes({series, view, graph.colors(), false}, *size, format, series.seriesTitle);
    if (bytes.isEmpty()) {
        dialogs_.errorBox(&window_,
                          SaveFailureText(choice->path, QStringLiteral("рисунок не удалось построить")));
        return;
    }
    if (const WriteOutcome written = WriteFileAtomically(choice->path, bytes); !written.ok())
        dialogs_.errorBox(&window_, written.error);
}
