#include "graph/GraphImage.h"

#include "graph/GraphRender.h"

#include <QPainter>

#include <algorithm>

ViewLayout ViewForImage(const SelectedSeries& series, const GraphImageRequest& request) {
    ViewLayout view;
    view.margins = request.margins;
    view.gridOn = request.grid;
    const int n = series.measurementCount;
    if (n == 0)
        return view;
    ResetView(view, series, request.size);
    if (request.first > 0) {
        const int lo = std::clamp(request.first, 1, n);
        const int hi = std::clamp(lo + std::max(request.count, 1) - 1, lo, n);
        ShowRange(view, series, request.size, lo, hi);
    }
    if (request.pointer > 0)
        view.pointerIndex =
            static_cast<uint16_t>(std::clamp(request.pointer, int{view.viewFirst}, view.last()));
    return view;
}

QImage RenderGraphImage(const SelectedSeries& series, const GraphImageRequest& request) {
    QImage image(request.size, QImage::Format_RGB32);
    image.fill(request.colors.background);
    const ViewLayout view = ViewForImage(series, request);
    {
        QPainter painter(&image);
        RenderGraph(painter, image.rect(), ScreenOptions(GraphScene{series, view, request.colors, false}));
    }
    return image;
}
