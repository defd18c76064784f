#pragma once

#include <QDialog>
#include <QSize>

class QDialogButtonBox;
class QSpinBox;

// Asks for the size of a saved picture of the graph, in pixels: the graph's size on screen is offered, and
// either side may be typed anew.
class PictureSizeDialog : public QDialog {
    Q_OBJECT

public:
    explicit PictureSizeDialog(QSize offered, QWidget* parent = nullptr);

    QSize chosenSize() const;

    QSpinBox* widthField;
    QSpinBox* heightField;
    QDialogButtonBox* buttons;
};

extern const char* const PictureSizeTitle; // "Размер рисунка"
