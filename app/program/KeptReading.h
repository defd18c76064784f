#pragma once

#include <QSettings>

#include <memory>

class MeasurementDocument;

// The settings the viewer keeps between runs, where a desktop program keeps them:
// $XDG_CONFIG_HOME/radview/radview.conf (~/.config/radview/radview.conf).
std::unique_ptr<QSettings> UserSettings();

// The document starts with how the user read the series at the last run (the defaults on a first start,
// which change nothing), and every change is written at once: a viewer closed by the session's end has
// kept it all the same.
void KeepReading(MeasurementDocument& document);
