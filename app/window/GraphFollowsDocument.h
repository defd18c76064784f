#pragma once

class GraphSurface;
class MeasurementDocument;

// The graph's side of the one-way path: its clicks and keys are requests to the document, and it follows
// the view, the zoom, the grid, the pointer and the marked span the document announces.
void FollowDocument(GraphSurface& graph, MeasurementDocument& document);
