#pragma once

#include <QStatusBar>

class QLabel;

// A status bar of fixed panels, each with a text of its own, as the window's mode and prompt lines.
class StatusPanels : public QStatusBar {
public:
    StatusPanels(const QList<int>& widths, QWidget* parent = nullptr);
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    QLabel* panel(int index) const { return panels_.value(index); }

private:
    QList<QLabel*> panels_;
};
