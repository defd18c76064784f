#include "app/commands/RangeChoice.h"

#include "app/dialogs/UserDialogs.h"
#include "app/document/MeasurementDocument.h"
#include "app/window/Fonts.h"
#include "app/window/WindowPlacement.h"
#include "table/RangeDialog.h"

RangeDialog* RangeChoice::dialog() {
    if (!dialog_) {
        dialog_ = new RangeDialog(&parts_.window);
        dialog_->setFont(WindowFont());
        // The warning is titled as the dialog it speaks for.
        QObject::connect(dialog_, &RangeDialog::spanRefused, dialog_, [this](const QString& message) {
            parts_.dialogs.warningBox(dialog_, dialog_->windowTitle(), message);
        });
    }
    return dialog_;
}

std::optional<MeasurementSpan> RangeChoice::choose() {
    const MeasurementDocument& document = parts_.document;
    // Its design place lies partly below a small or strongly scaled screen.
    KeepOnScreen(*dialog());
    const std::optional<MeasurementSpan> span =
        dialog()->choose({document.series().measurementCount, document.viewFirst(), document.viewCount()});
    if (span)
        range_ = *span;
    return span;
}
