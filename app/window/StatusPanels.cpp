#include "app/window/StatusPanels.h"

#include <QEvent>
#include <QLabel>

StatusPanels::StatusPanels(const QList<int>& widths, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int i = 0; i < widths.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i));
        label->setFixedWidth(widths[i]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(2);
        label->setTextFormat(Qt::PlainText);
        addWidget(label);
        panels_.append(label);
        texts_.append(QString());
    }
}

void StatusPanels::setPanelText(int panel, const QString& text) {
    // Most commands blank the panel that is blank already: nothing to measure or show again.
    if (texts_[panel] == text)
        return;
    texts_[panel] = text;
    showText(panel);
}

QString StatusPanels::panelText(int panel) const {
    return texts_.at(panel);
}

void StatusPanels::showText(int panel) {
    QLabel* label = panels_.at(panel);
    const QString& text = texts_.at(panel);
    // The panel's fixed width inside its frame, less the indent before the text; known before any layout.
    const int room = label->maximumWidth() - 2 * label->frameWidth() - label->indent();
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideMiddle, room);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

void StatusPanels::changeEvent(QEvent* event) {
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        for (int i = 0; i < panels_.size(); ++i)
            showText(i);
}
