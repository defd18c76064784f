#include "app/CommandStates.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kTag = "Tag";
const char* const kEnabled = "enabled";

} // namespace

void RecordTags(const QList<QObject*>& commands) {
    for (QObject* command : commands)
        command->setProperty(kTag, command->property(kEnabled).toBool() ? 1 : 0);
}

void RestoreTags(const QList<QObject*>& commands) {
    for (QObject* command : commands)
        command->setProperty(kEnabled, TagOf(command) != 0);
}

void EnableAll(const QList<QObject*>& commands) {
    for (QObject* command : commands)
        if (!command->property(kEnabled).toBool())
            command->setProperty(kEnabled, true);
}

int TagOf(const QObject* command) {
    return command->property(kTag).toInt();
}

bool IsValueLabel(const QWidget* widget) {
    return widget->autoFillBackground() &&
           widget->palette().color(widget->backgroundRole()) == QColor(Qt::white);
}

void ClearValueLabels(QWidget* window) {
    const auto labels = window->findChildren<QLabel*>();
    for (QLabel* label : labels)
        if (IsValueLabel(label))
            label->clear();
}
