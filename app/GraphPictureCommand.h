#pragma once

class MainWindow;
class UserDialogs;

// "Сохранить рисунок…": the graph as the window shows it (the view, the pointer, the grid and the colours)
// saved as a PNG or SVG file, at the graph's size on screen or at a size the user types.
class GraphPictureCommand {
public:
    GraphPictureCommand(MainWindow& window, UserDialogs& dialogs);

    void save();

private:
    MainWindow& window_;
    UserDialogs& dialogs_;
};

// The save dialog's filters, the first also the default type, and the ending of the proposed name.
extern const char* const PngPictureFilter;  // "Рисунок PNG (*.png)"
extern const char* const SvgPictureFilter;  // "Рисунок SVG (*.svg)"
extern const char* const PictureFileEnding; // "-график.png"
