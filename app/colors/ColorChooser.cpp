#include "app/colors/ColorChooser.h"

#include <QColorDialog>

std::optional<QColor> QtColorChooser::choose(QWidget* parent, const QColor& initial) {
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}
