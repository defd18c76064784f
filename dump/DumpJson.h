#pragma once

#include "store/MeasurementStore.h"

#include <QByteArray>
#include <QJsonObject>

// One series' evaluation as the viewer would make it if it were the first series chosen after opening.
QJsonObject EvaluationJson(const InstrumentFile& file, int s);

// The whole instrument file: header, sensitivity text, and for every series its list row and evaluation.
QJsonObject FileJson(const InstrumentFile& file);

// FileJson as compact UTF-8 text ending with a newline.
QByteArray FileJsonText(const InstrumentFile& file);
