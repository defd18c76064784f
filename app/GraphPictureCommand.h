#pragma once

class GraphView;
class MeasurementDocument;
class QWidget;
class UserDialogs;

// "Сохранить рисунок…": the graph as the window shows it (the view, the pointer, the grid and the colours)
// saved as a PNG or SVG file, at the graph's size on screen or at a size the user types.
class GraphPictureCommand {
public:
    // What the command reads and where it answers; window is the owner of its dialogs, graphArea the graph
    // on screen, whose size is the picture's default and which a dialog covers.
    struct Parts {
        QWidget& window;
        const MeasurementDocument& document;
        const GraphView& graph;
        QWidget& graphArea;
        UserDialogs& dialogs;
    };
    explicit GraphPictureCommand(const Parts& parts);

    void save();

private:
    Parts parts_;
};

// The save dialog's filters, the first also the default type, and the ending of the proposed name.
extern const char* const PngPictureFilter;  // "Рисунок PNG (*.png)"
extern const char* const SvgPictureFilter;  // "Рисунок SVG (*.svg)"
extern const char* const PictureFileEnding; // "-график.png"
