#include "app/window/GraphFollowsDocument.h"

#include "app/document/MeasurementDocument.h"
#include "graph/GraphSurface.h"

namespace {

// Computed once per series or setting, not at every picture.
void TakeReading(GraphSurface& graph, const MeasurementDocument& document) {
    graph.setReading(MarksOfReading(document.reading(), document.series(), document.file().sensitivity),
                     document.reading().unit);
}

} // namespace

void FollowDocument(GraphSurface& graph, MeasurementDocument& document) {
    QObject::connect(&graph, &GraphSurface::clicked, &document, &MeasurementDocument::clickGraph);
    QObject::connect(&graph, &GraphSurface::navigationRequested, &document, &MeasurementDocument::navigate);
    QObject::connect(&graph, &GraphSurface::zoomRequested, &document, &MeasurementDocument::zoomAround);
    QObject::connect(&graph, &GraphSurface::panRequested, &document, &MeasurementDocument::panTo);
    // A new series gets its running average before its view is announced and drawn.
    QObject::connect(&document, &MeasurementDocument::seriesChanged, &graph,
                     [&graph, &document] { TakeReading(graph, document); });
    QObject::connect(&document, &MeasurementDocument::readingChanged, &graph, [&graph, &document] {
        TakeReading(graph, document);
        graph.redraw();
    });
    QObject::connect(&graph, &GraphSurface::spanRequested, &document, &MeasurementDocument::markSpan);
    QObject::connect(&document, &MeasurementDocument::viewChanged, &graph,
                     [&graph, &document] { graph.showView(document.view()); });
    QObject::connect(&document, &MeasurementDocument::zoomChanged, &graph,
                     [&graph, &document] { graph.followZoom(document.view()); });
    QObject::connect(&document, &MeasurementDocument::gridChanged, &graph, &GraphSurface::followGrid);
    QObject::connect(&document, &MeasurementDocument::pointerMoved, &graph, &GraphSurface::followPointer);
    QObject::connect(&document, &MeasurementDocument::spanChanged, &graph,
                     [&graph, &document] { graph.followSpan(document.span()); });
}
