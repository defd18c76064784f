#include "app/program/KeptReading.h"

#include "app/document/MeasurementDocument.h"
#include "store/ReadingSettings.h"

std::unique_ptr<QSettings> UserSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("radview"), QStringLiteral("radview"));
}

void KeepReading(MeasurementDocument& document) {
    document.setReading(ReadReadingSettings(*UserSettings()));
    QObject::connect(&document, &MeasurementDocument::readingChanged, &document,
                     [&document] { WriteReadingSettings(*UserSettings(), document.reading()); });
}
