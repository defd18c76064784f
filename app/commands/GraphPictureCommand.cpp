#include "app/commands/GraphPictureCommand.h"

#include "app/commands/PrintTarget.h"
#include "app/dialogs/UserDialogs.h"
#include "app/document/MeasurementDocument.h"
#include "graph/GraphPicture.h"
#include "graph/GraphSurface.h"
#include "store/AtomicFile.h"

#include <QCoreApplication>
#include <QWidget>

const char* const PngPictureFilter = QT_TRANSLATE_NOOP("GraphPictureCommand", "Рисунок PNG (*.png)");
const char* const SvgPictureFilter = QT_TRANSLATE_NOOP("GraphPictureCommand", "Рисунок SVG (*.svg)");
const char* const PictureFileEnding = QT_TRANSLATE_NOOP("GraphPictureCommand", "-график.png");

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("GraphPictureCommand", text);
}

} // namespace

void GraphPictureCommand::save() {
    const MeasurementDocument& document = parts_.document;
    const SelectedSeries& series = document.series();
    if (series.measurementCount == 0 || document.noSeriesChosen())
        return;
    SaveDialogRequest request{
        QStringLiteral("png"), Translated(PngPictureFilter),
        ProposedPrintFileName(document.file().dataFileName, Translated(PictureFileEnding)), true};
    request.otherFilters = {Translated(SvgPictureFilter)};
    const std::optional<SaveChoice> choice = parts_.dialogs.saveFileOfType(&parts_.window, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    parts_.graphArea.update();
    if (!choice)
        return;
    // The picture is offered at the pixels the screen shows, which a scaled screen has more of than the
    // graph's logical size; it is drawn at the screen's scale, so at that size it is what the screen shows.
    const GraphSurface& graph = graph_;
    const qreal ratio = graph.screen().isNull() ? 1.0 : graph.screen().devicePixelRatio();
    const QSize logicalArea = parts_.graphArea.size();
    const QSize onScreen = graph.screen().isNull() ? logicalArea : graph.screen().size();
    const std::optional<QSize> size = parts_.dialogs.pictureSize(&parts_.window, onScreen);
    if (!size)
        return;

    const QSize logicalPicture = (QSizeF(*size) / ratio).toSize().expandedTo(QSize(1, 1));
    const ViewLayout view = ViewForPictureSize(graph.view(), series, logicalArea, logicalPicture);
    const PictureFormat format = TypeOfChoice(*choice, request) == Translated(SvgPictureFilter)
                                     ? PictureFormat::Svg
                                     : PictureFormat::Png;
    // With the levels, the running average and the unit the window draws.
    const QByteArray bytes =
        GraphPictureBytes({series, view, graph.colors(), false, &graph.marks(), graph.unit()}, *size, format,
                          ShownSeriesTitle(series), ratio);
    if (bytes.isEmpty()) {
        parts_.dialogs.errorBox(
            &parts_.window,
            SaveFailureText(choice->path, QCoreApplication::translate("GraphPictureCommand",
                                                                      "рисунок не удалось построить")));
        return;
    }
    if (const Outcome written = WriteFileAtomically(choice->path, bytes); !written.ok())
        parts_.dialogs.errorBox(&parts_.window, written.message());
}
