#pragma once

#include "app/colors/ColorScheme.h"

#include <QDialog>

#include <array>
#include <functional>

class ColorChooser;
class QButtonGroup;
class QGroupBox;
class QPushButton;
class ColorSwatch;

// The colour settings of the graph. The dialog is the only store of the colour scheme: each colour is the
// fill colour of one swatch, read afresh by every painting. It hides instead of closing, so the colours,
// the chosen item and the chooser's last colour last until the program ends.
class ColorDialog : public QDialog {
public:
    ColorDialog(ColorChooser& chooser, QWidget* parent = nullptr);

    ColorScheme scheme() const;

    void FormCreate();
    void RadioGroup1Enter(int index);
    void OKBtnClick();
    void BitBtn1Click();

    // Run after the dialog hides on OK: the main window repaints its graph with it.
    std::function<void()> RepaintGraph;

    QGroupBox* colorRoleGroup;
    QButtonGroup* colorRoleButtons;
    ColorSwatch* backgroundSwatch;
    ColorSwatch* axesSwatch;
    ColorSwatch* graphSwatch;
    ColorSwatch* captionsSwatch;
    ColorSwatch* pointerSwatch;
    ColorSwatch* gridSwatch;
    QPushButton* okButton;
    QPushButton* defaultColorsButton;

    // The colour the chooser opens with: the one chosen in it last, black at first.
    QColor lastChosen() const { return lastChosen_; }

public:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildRadioGroup();
    void buildSwatches();
    void buildButtons();
    std::array<ColorSwatch*, SchemeSize> swatches() const;

    ColorChooser& chooser_;
    QColor lastChosen_ = Qt::black;
};

extern const char* const ColorItemCaptions[SchemeSize];
