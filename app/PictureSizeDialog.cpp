#include "app/PictureSizeDialog.h"

#include "graph/GraphPicture.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

const char* const PictureSizeTitle = "Размер рисунка";

namespace {

QSpinBox* SideField(const char* name, int offered, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(1, LargestPictureSide);
    field->setValue(std::clamp(offered, 1, LargestPictureSide));
    field->setSuffix(QStringLiteral(" пикс."));
    return field;
}

} // namespace

PictureSizeDialog::PictureSizeDialog(QSize offered, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PictureSizeDialog"));
    setWindowTitle(QString::fromUtf8(PictureSizeTitle));
    widthField = SideField("EdWidth", offered.width(), this);
    heightField = SideField("EdHeight", offered.height(), this);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Ширина:"), widthField);
    form->addRow(QStringLiteral("Высота:"), heightField);
    form->addRow(buttons);
    widthField->setFocus();
    widthField->selectAll();
}

QSize PictureSizeDialog::chosenSize() const {
    return QSize(widthField->value(), heightField->value());
}
