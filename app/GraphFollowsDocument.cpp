#include "app/GraphFollowsDocument.h"

#include "app/MeasurementDocument.h"
#include "graph/GraphView.h"

void FollowDocument(GraphView& graph, MeasurementDocument& document) {
    QObject::connect(&graph, &GraphView::clicked, &document, &MeasurementDocument::clickGraph);
    QObject::connect(&graph, &GraphView::navigationRequested, &document, &MeasurementDocument::navigate);
    QObject::connect(&document, &MeasurementDocument::viewChanged, &graph,
                     [&graph, &document] { graph.showView(document.view()); });
    QObject::connect(&document, &MeasurementDocument::zoomChanged, &graph,
                     [&graph, &document] { graph.followZoom(document.view()); });
    QObject::connect(&document, &MeasurementDocument::gridChanged, &graph, &GraphView::followGrid);
    QObject::connect(&document, &MeasurementDocument::pointerMoved, &graph, &GraphView::followPointer);
}
