#pragma once

#include <QStatusBar>

class QLabel;

// A status bar of fixed panels, each with a text of its own, as the window's mode and prompt lines. A text
// longer than its panel is shortened in the middle, so that its start and its end (a series number) stay
// readable, and the whole text becomes the panel's tooltip.
class StatusPanels : public QStatusBar {
public:
    StatusPanels(const QList<int>& widths, QWidget* parent = nullptr);
    void setPanelText(int panel, const QString& text);
    // The whole text, as it was set.
    QString panelText(int panel) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void showText(int panel);

    QList<QLabel*> panels_;
    QStringList texts_;
};
