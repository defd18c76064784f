#pragma once

class GraphView;
class MeasurementDocument;

// The graph's side of the one-way path: its clicks and keys are requests to the document, and it follows
// the view, the zoom, the grid and the pointer the document announces.
void FollowDocument(GraphView& graph, MeasurementDocument& document);
