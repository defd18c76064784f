#pragma once

#include <QString>
#include <QWidget>

class QKeyEvent;
class QTreeWidget;
struct MeasurementStore;

// What the series list needs of the main window.
class SeriesListHost {
public:
    virtual ~SeriesListHost() = default;
    virtual void resetCommands() = 0;
    virtual void setStatusText(int panel, const QString& text) = 0;
    virtual void showInstrument(const QString& number, const QString& sensitivity) = 0;
    virtual void enableSeriesCommand() = 0;
    virtual void selectSeries(int s) = 0;
};

// The list of a file's series, one row each, from which the user chooses the series to view.
class SeriesListWindow : public QWidget {
public:
    SeriesListWindow(const MeasurementStore& store, SeriesListHost& host, QWidget* parent = nullptr);

    void clearRows();
    // One row per series of the open file.
    void fillRows();
    // Shows the list, or brings it forward and sets the main window up for it again when it is open.
    void showList();

    void FormShow();
    void FormClose();
    void LVserDblClick();
    // Keys on the list; answers whether the key was taken.
    bool LVserKeyDown(const QKeyEvent& event);

    QTreeWidget* list;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fitColumns();

    const MeasurementStore& store_;
    SeriesListHost& host_;
};

extern const char* const OpenFilePrompt;  // "Откройте файл для просмотра"
extern const char* const ViewingFileText; // "Просмотр файла "
