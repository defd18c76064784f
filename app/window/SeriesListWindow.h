#pragma once

#include <QString>
#include <QWidget>

class QKeyEvent;
class QTreeWidget;
struct InstrumentFile;

// The list of a file's series, one row each, from which the user chooses the series to view.
class SeriesListWindow : public QWidget {
    Q_OBJECT

public:
    explicit SeriesListWindow(QWidget* parent = nullptr);

    void clearRows();
    // One row per series of the file.
    void fillRows(const InstrumentFile& file);
    // Shows the list, or brings it forward and sets the main window up for it again when it is open.
    void showList();

    void FormShow();
    void FormClose();
    void LVserDblClick();
    // Keys on the list; answers whether the key was taken.
    bool LVserKeyDown(const QKeyEvent& event);

    QTreeWidget* list;

signals:
    // The user chose series s (1-based ordinal).
    void seriesChosen(int s);
    // The list was shown by the program, or closed.
    void listShown();
    void listClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fitColumns();
};
