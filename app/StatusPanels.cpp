#include "StatusPanels.h"

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
    }
}

void StatusPanels::setPanelText(int panel, const QString& text) {
    panels_.at(panel)->setText(text);
}

QString StatusPanels::panelText(int panel) const {
    return panels_.at(panel)->text();
}
