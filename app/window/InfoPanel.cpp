#include "app/window/InfoPanel.h"

#include "app/window/Fonts.h"
#include "app/window/ValueLabel.h"
#include "table/TableColumns.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace {

constexpr int kValueHeight = 17;
constexpr int kSensitivityWidth = 153;

// A caption from its place up to the next control on its line (the x where that begins).
QLabel* Caption(QWidget* parent, const char* name, QPoint at, int upTo, const QString& text) {
    auto* label = new CaptionLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(QRect(at, QSize(upTo - at.x(), label->sizeHint().height())));
    return label;
}

QLabel* Value(QWidget* parent, const char* name, QPoint at, int width, Qt::Alignment alignment) {
    auto* label = new ValueLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(QRect(at, QSize(width, kValueHeight)));
    label->setAlignment(alignment | Qt::AlignVCenter);
    // The white background also tells the command reset which labels hold values.
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

QLabel* Exponent(QWidget* parent, const char* name, QPoint at) {
    auto* label = new QLabel(QStringLiteral("3"), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->setFont(ExponentFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->adjustSize();
    return label;
}

} // namespace

InfoPanel::InfoPanel(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("GroupBox1"));
    setFixedHeight(110);
    QWidget* g = this;

    Caption(g, "Label4", {4, 16}, 95, tr("Кол-во изм."));
    measurementCountLabel = Value(g, "Count", {95, 16}, 55, Qt::AlignRight);
    Caption(g, "Label1", {4, 41}, 95, tr(" Номер изм."));
    measurementNumberLabel = Value(g, "NIsm", {95, 41}, 55, Qt::AlignRight);
    Caption(g, "Label9", {4, 66}, 95, tr("Экспозиция, с"));
    exposureLabel = Value(g, "TimIsm", {95, 66}, 55, Qt::AlignRight);

    Caption(g, "Label5", {185, 16}, 278, tr("Время начала"));
    startTimeLabel = Value(g, "TimBeg", {278, 16}, 95, Qt::AlignHCenter);
    Caption(g, "Label8", {185, 41}, 278, tr("Время оконч."));
    endTimeLabel = Value(g, "TimEnd", {278, 41}, 95, Qt::AlignHCenter);
    activityCaption = Caption(g, "Label6", {155, 66}, 278, tr("Активность, Бк/м  "));
    activityExponent = Exponent(g, "Label7", {265, 56});
    activityLabel = Value(g, "lblActiv", {278, 66}, 95, Qt::AlignHCenter);

    QLabel* label2 = Caption(g, "Label2", {424, 16}, 504, tr("Усредненное значение "));
    label2->setWordWrap(true);
    label2->setFixedSize(80, 26);
    averageLabel = Value(g, "usrznach", {512, 16}, 105, Qt::AlignLeft);
    averageUnitCaption = Caption(g, "Label3", {624, 16}, 707, tr(" Бк/м   "));
    averageUnitExponent = Exponent(g, "Label10", {664, 8});
    Caption(g, "Label14", {432, 52}, 464, tr("от:"));
    averageFromLabel = Value(g, "usrnach", {464, 52}, 46, Qt::AlignLeft);
    Caption(g, "Label11", {520, 52}, 584, tr("изм.  до:"));
    averageToLabel = Value(g, "usrkon", {584, 52}, 40, Qt::AlignLeft);
    Caption(g, "Label13", {640, 52}, 705, tr("изм."));

    Caption(g, "Label15", {383, 80}, 450, tr("N прибора"));
    instrumentNumberLabel = Value(g, "lblNpr", {450, 77}, 36, Qt::AlignLeft);
    Caption(g, "Label16", {490, 80}, 548, tr("Чувствит"));
    sensitivityLabel = Value(g, "lblSw", {548, 80}, kSensitivityWidth, Qt::AlignLeft);

    showUnitCaptions();

    divider = new QFrame(g);
    divider->setObjectName(QStringLiteral("Bevel1"));
    divider->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    divider->setGeometry(378, 14, 2, 89);
}

void InfoPanel::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    const int room = width() - sensitivityLabel->x() - 2;
    sensitivityLabel->resize(std::clamp(room, 1, kSensitivityWidth), kValueHeight);
}

void InfoPanel::showMeasurementCount(int n) {
    measurementCountLabel->setText(QString::number(n));
}

void InfoPanel::showMeasurement(int k, const RowTexts& row) {
    measurementNumberLabel->setText(QString::number(k));
    activityLabel->setText(row[ColumnActivity]);
    startTimeLabel->setText(row[ColumnStart]);
    endTimeLabel->setText(row[ColumnEnd]);
    exposureLabel->setText(row[ColumnExposure]);
}

void InfoPanel::showAverage(Extended average, const MeasurementSpan& span) {
    average_ = average;
    showAverageText();
    averageFromLabel->setText(QString::number(span.first));
    averageToLabel->setText(QString::number(span.last));
}

void InfoPanel::showAverageText() {
    if (average_)
        averageLabel->setText(ActivityValueText(*average_, unit_));
}

void InfoPanel::setUnit(ActivityUnit unit) {
    if (unit == unit_)
        return;
    unit_ = unit;
    showUnitCaptions();
    showAverageText();
}

// Bq/m³ keeps the design's captions, whose blanks make room for the raised 3 standing at a fixed place over
// them; a translation that writes the unit whole ("Bq/m³") hides the raised 3, which would stand apart from
// its shorter text. Another unit is written out on the caption's line.
void InfoPanel::showUnitCaptions() {
    const bool becquerels = unit_ == ActivityUnit::BecquerelPerCubicMetre;
    activityCaption->setText(becquerels ? tr("Активность, Бк/м  ")
                                        : tr("Активность, ") + ActivityUnitCaption(unit_));
    averageUnitCaption->setText(becquerels ? tr(" Бк/м   ") : QLatin1Char(' ') + ActivityUnitCaption(unit_));
    const QChar written(0x00B3); // ³
    activityExponent->setVisible(becquerels && !activityCaption->text().contains(written));
    averageUnitExponent->setVisible(becquerels && !averageUnitCaption->text().contains(written));
}

void InfoPanel::showInstrument(const QString& number, const QString& sensitivity) {
    instrumentNumberLabel->setText(number);
    sensitivityLabel->setText(sensitivity);
}

// The captions keep their texts.
void InfoPanel::clearValues() {
    for (QLabel* label : {measurementCountLabel, measurementNumberLabel, exposureLabel, startTimeLabel,
                          endTimeLabel, activityLabel, averageLabel, averageFromLabel, averageToLabel,
                          instrumentNumberLabel, sensitivityLabel})
        label->clear();
    average_.reset();
}
