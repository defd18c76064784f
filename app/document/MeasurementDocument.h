#pragma once

#include "graph/Navigation.h"
#include "graph/ViewState.h"
#include "store/MeasurementStore.h"
#include "store/Outcome.h"
#include "store/ReadingSettings.h"
#include "store/SpanStatistics.h"

#include <QObject>
#include <QStringList>

#include <optional>

// What the window offers: opening a file and nothing of one, the choice among the open file's series, or a
// series to look at.
enum class DocumentStage { NothingChosen, ChoosingSeries, SeriesShown };

// What evaluating a chosen series came to: its title, and either the refusal shown instead of it or the
// messages about bad marks shown with it.
struct SeriesChoice {
    QString title;
    QString refusal;
    QStringList messages;

    bool refused() const { return !refusal.isEmpty(); }
};

// The open instrument file, its chosen series and what of it the user looks at (the view state: the
// measurements in view, the pointer, the zoom being chosen and the grid). The parts ask it to change through
// its functions and follow what it announces, one signal per property and only when the value changed; none
// of them talks to another. An announcement a part passes back (the table making the pointer's row current)
// changes nothing and so ends here, without anything blocked.
class MeasurementDocument : public QObject {
    Q_OBJECT

public:
    explicit MeasurementDocument(QObject* parent = nullptr);

    const MeasurementStore& store() const { return store_; }
    const InstrumentFile& file() const { return store_.file; }
    const SelectedSeries& series() const { return store_.selected; }
    // From opening a file until a series is shown.
    bool noSeriesChosen() const { return store_.noSeriesChosen; }
    // A series with measurements is shown: the pointer and the view mean something.
    bool seriesShown() const { return !store_.noSeriesChosen && store_.selected.measurementCount > 0; }

    // Opens the instrument file at path (see OpenInstrumentFile). On failure, a file without a single series
    // included, nothing changes and the failure's message names the file; on success fileOpened() follows.
    Outcome load(const QString& path);
    // Evaluates series s (1 … the file's count) of the open file: seriesEvaluated announces the outcome,
    // then, unless it was refused, the series is shown. Answers whether it was; nothing happens for an s
    // outside the file.
    bool chooseSeries(int s);
    // An evaluated series becomes the one shown: seen whole, the pointer on its first measurement, no zoom.
    void showSeries(SelectedSeries series);
    // The shown series is withdrawn while the user opens a file.
    void withdrawSeries();
    // The shown series is withdrawn and the open file's series are offered to choose from.
    void offerSeriesChoice();
    DocumentStage stage() const { return stage_; }

    const ViewState& view() const { return view_; }
    // The measurement under the pointer, 1 on a new series.
    int pointer() const { return view_.pointerIndex; }
    // The measurements in view: first … first + count − 1.
    int viewFirst() const { return view_.viewFirst; }
    int viewCount() const { return view_.viewCount; }

    // The requests of the parts. Each changes the view state as its command does; what status panel 1 is to
    // say comes as statusNotice, after the changes are announced.
    // The pointer stands on measurement k.
    void movePointer(int k);
    // A pointer command: a toolbar button, its menu item or its key.
    void navigate(NavigationCommand command);
    // A click on the graph over measurement k; rightOfFrame says it fell right of the plot frame, where only
    // a zoom takes it. While no series is chosen the click is ignored.
    void clickGraph(int k, bool rightOfFrame);
    // Table row k was made current: a row in view takes the pointer, one outside is refused with the message
    // of the end it lies beyond and the pointer stays.
    void chooseRow(int k);
    // "Увеличение", "Первоначальный вид", and a range shown directly.
    void beginZoom();
    void showWholeSeries();
    void showRange(int first, int last);
    // The wheel over the graph with the mouse at `seconds` after the series' first mark: factor times as many
    // measurements in view (fewer below 1), the moment under the mouse kept in place; the pointer stays while
    // it is in view, and a pending two-click zoom goes on waiting.
    void zoomAround(double seconds, double factor);
    // Panning: the view's measurements from first on, as many as before.
    void panTo(int first);
    // The grid button went down or up.
    void setGrid(bool on);

    // How the user reads the series: the unit, the reference levels, the warning colour and the running
    // average. They outlive the series; readingChanged follows a change.
    const ReadingSettings& reading() const { return reading_; }
    void setReading(const ReadingSettings& reading);

    // The span the user marked on the shown series; absent until one is marked and after it is cleared or
    // the series goes.
    const std::optional<MeasurementSpan>& span() const { return span_; }
    // Measurements a … b in either order, kept inside the series; nothing happens while no series is shown.
    void markSpan(int a, int b);
    void clearSpan();

signals:
    void fileOpened();
    // A chosen series was evaluated; it is shown next unless refused.
    void seriesEvaluated(const SeriesChoice& choice);
    void seriesChanged();
    void seriesWithdrawn();
    void stageChanged(DocumentStage stage);
    // The pointer stands on measurement k now; also after a new series, which starts on measurement 1.
    void pointerMoved(int k);
    // The measurements in view or the activity the vertical scale is made for changed.
    void viewChanged();
    void zoomChanged();
    void gridChanged(bool on);
    // What status panel 1 says after a request.
    void statusNotice(const QString& text);
    void readingChanged();
    void spanChanged();

private:
    void enterStage(DocumentStage stage);
    // Takes a changed view state and announces what differs from the one before, the view first.
    void apply(const ViewState& changed);
    void notice(const StatusChange& status);

    MeasurementStore store_;
    ViewState view_;
    DocumentStage stage_ = DocumentStage::NothingChosen;
    ReadingSettings reading_;
    std::optional<MeasurementSpan> span_;
};

// The message for a file that holds no series, read as it may be.
QString NoSeriesText(const QString& path);
