#include "app/dialogs/PictureSizeDialog.h"

#include "graph/GraphPicture.h"

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

const char* const PictureSizeTitle = QT_TRANSLATE_NOOP("PictureSizeDialog", "Размер рисунка");

namespace {

// The window manager's buttons and icon beside a title.
constexpr int kTitleBarButtons = 120;

QSpinBox* SideField(const char* name, int offered, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(1, LargestPictureSide);
    field->setValue(std::clamp(offered, 1, LargestPictureSide));
    field->setSuffix(PictureSizeDialog::tr(" пикс."));
    return field;
}

} // namespace

PictureSizeDialog::PictureSizeDialog(QSize offered, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PictureSizeDialog"));
    setWindowTitle(tr(PictureSizeTitle));
    widthField = SideField("EdWidth", offered.width(), this);
    heightField = SideField("EdHeight", offered.height(), this);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Ширина:"), widthField);
    form->addRow(tr("Высота:"), heightField);
    form->addRow(buttons);
    widthField->setFocus();
    widthField->selectAll();
    // The title bar shows the title in the window manager's font, often larger and bolder than the dialog's,
    // beside its buttons: the fields alone would leave it too narrow to read.
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPixelSize(QFontInfo(font()).pixelSize() * 3 / 2);
    const int titleRoom = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarButtons;
    setMinimumWidth(std::max(minimumSizeHint().width(), titleRoom));
}

QSize PictureSizeDialog::chosenSize() const {
    return QSize(widthField->value(), heightField->value());
}
