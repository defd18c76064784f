#pragma once

#include "graph/ColorScheme.h"

#include <QDialog>

#include <array>

class ColorSwatch;
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class UserDialogs;

// The colour settings of the graph. Each colour is the fill colour of one swatch; every change is announced
// at once (the graph draws its next pointer move in it), and OK closes the dialog with accepted(), on which
// the graph is repainted. It hides instead of closing, so the colours and the chosen item last until the
// program ends. The chooser opens at the colour being changed.
//
// Below the six rows, one more: the colour the step line takes above the highest reference level. It is no
// colour of the scheme but a setting of reading, which the window keeps between runs; the dialog only shows
// it and announces the user's choice.
class ColorDialog : public QDialog {
    Q_OBJECT

public:
    ColorDialog(UserDialogs& dialogs, QWidget* parent = nullptr);

    ColorScheme scheme() const;
    // The warning colour's swatch shows the colour; nothing is announced.
    void setWarningColor(const QColor& color);

    // The defaults, as at creation and on "Цвета по умолчанию".
    void FormCreate();
    void RadioGroup1Enter(int index);
    void OKBtnClick();
    void BitBtn1Click();

    QGroupBox* colorRoleGroup;
    QButtonGroup* colorRoleButtons;
    ColorSwatch* backgroundSwatch;
    ColorSwatch* axesSwatch;
    ColorSwatch* graphSwatch;
    ColorSwatch* captionsSwatch;
    ColorSwatch* pointerSwatch;
    ColorSwatch* gridSwatch;
    QRadioButton* warningItem; // item WarningItem of colorRoleButtons
    ColorSwatch* warningSwatch;
    QPushButton* okButton;
    QPushButton* defaultColorsButton;

    void reject() override;

signals:
    void schemeChanged(const ColorScheme& scheme);
    void warningColorChosen(const QColor& color);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildRadioGroup();
    void buildSwatches();
    void buildButtons();
    void buildWarningRow();
    std::array<ColorSwatch*, SchemeSize> swatches() const;
    void setScheme(const ColorScheme& scheme);

    UserDialogs& dialogs_;
};

extern const char* const ColorItemCaptions[SchemeSize];
extern const char* const WarningItemCaption; // "Выше уровня"
constexpr int WarningItem = SchemeSize;
