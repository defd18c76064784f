#pragma once

#include "app/span/SpanFigureTexts.h"

#include <QCoreApplication>
#include <QList>
#include <QWidget>

class QAction;
class SpanFiguresView;

// "Выделенный участок": a small tool window beside the graph with the marked span's figures and its
// commands as buttons. It stays above the main window without taking the activation from it, so the
// window's keys go on working and the graph keeps its size and scale.
class SpanPanel : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(SpanPanel)

public:
    SpanPanel(const QList<QAction*>& commands, QWidget* owner);

    // The figures now shown.
    void showRows(const std::vector<SpanFigureRow>& rows);
    // The text shown for the row named `name`; empty when there is none.
    QString valueOf(const QString& name) const;
    const std::vector<SpanFigureRow>& rows() const { return rows_; }

    // Puts the panel beside the graph the first time it is shown: right of the owner's frame where the
    // screen has room, else left of it, else below it, else at the roomier side of the screen.
    void placeBeside(const QRect& ownerFrame, const QRect& graph, const QRect& available);

private:
    SpanFiguresView* figures_;
    std::vector<SpanFigureRow> rows_;
};

// Where a panel of the given size goes (see SpanPanel::placeBeside).
QPoint SpanPanelPlace(const QRect& ownerFrame, const QRect& graph, QSize panel, const QRect& available);
