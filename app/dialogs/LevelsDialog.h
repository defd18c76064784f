#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// What the levels dialog confirms: the reference levels in Bq/m³ and the running average's window.
struct LevelsChoice {
    std::vector<int64_t> levels; // ascending, none for an empty line
    int averageWindowHours = 0;
};

// "Опорные уровни…": a line for the levels in Bq/m³, as the regulations state them ("100, 200 300"; empty
// for none), and the running average's window in hours. OK takes a line the levels parser reads; any other
// is refused with the parser's message under the line, and the dialog stays open for it to be corrected.
class LevelsDialog : public QDialog {
    Q_OBJECT

public:
    explicit LevelsDialog(QWidget* parent = nullptr);

    // Shows the dialog modally with the values given; absent when it is cancelled.
    std::optional<LevelsChoice> choose(const LevelsChoice& shown);

    QLineEdit* levelsField;
    QSpinBox* windowField;
    QLabel* refusal; // the parser's message, empty until a line is refused
    QDialogButtonBox* buttons;

private:
    void confirm();

    LevelsChoice chosen_;
};

extern const char* const LevelsTitle; // "Опорные уровни"
