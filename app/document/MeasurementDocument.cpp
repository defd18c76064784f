#include "app/document/MeasurementDocument.h"

#include "store/InstrumentFile.h"
#include "store/SeriesEvaluation.h"
#include "table/TableSelection.h"

#include <QCoreApplication>

#include <algorithm>

QString NoSeriesText(const QString& path) {
    return QCoreApplication::translate("MeasurementDocument",
                                       "В файле «%1» нет ни одной серии измерений: это не файл прибора?")
        .arg(path);
}

MeasurementDocument::MeasurementDocument(QObject* parent) : QObject(parent) {
    view_.pointerIndex = 0;
}

Outcome MeasurementDocument::load(const QString& path) {
    Result<InstrumentFile> opened = OpenInstrumentFile(path);
    if (!opened.ok())
        return Outcome::failure(opened.message());
    // Random bytes, an empty file or another program's file parse as no series at all; shown, their header
    // words would read as an instrument number and a sensitivity that no instrument has.
    if (opened.value().seriesCount == 0)
        return Outcome::failure(NoSeriesText(path));
    store_.file = std::move(opened.value());
    emit fileOpened();
    return Outcome();
}

bool MeasurementDocument::chooseSeries(int s) {
    if (s < 1 || s > store_.file.seriesCount)
        return false;
    SeriesEvaluation evaluation = EvaluateSeries(store_.file, s);
    emit seriesEvaluated({evaluation.shownTitle.isEmpty() ? evaluation.title : evaluation.shownTitle,
                          evaluation.refusal, evaluation.messages});
    if (evaluation.refused())
        return false;
    showSeries(std::move(evaluation.series));
    return true;
}

// A new series changes every property at once, and the parts hear of them in this order, the series first.
void MeasurementDocument::showSeries(SelectedSeries series) {
    clearSpan(); // the span of the series before means nothing now
    store_.selected = std::move(series);
    store_.noSeriesChosen = false;
    ResetView(view_, store_.selected);
    emit seriesChanged();
    emit viewChanged();
    emit zoomChanged();
    emit pointerMoved(view_.pointerIndex);
    enterStage(DocumentStage::SeriesShown);
}

void MeasurementDocument::withdrawSeries() {
    clearSpan();
    store_.noSeriesChosen = true;
    emit seriesWithdrawn();
    enterStage(DocumentStage::NothingChosen);
}

void MeasurementDocument::offerSeriesChoice() {
    clearSpan();
    store_.noSeriesChosen = true;
    emit seriesWithdrawn();
    enterStage(DocumentStage::ChoosingSeries);
}

void MeasurementDocument::setReading(const ReadingSettings& reading) {
    if (reading == reading_)
        return;
    reading_ = reading;
    emit readingChanged();
}

void MeasurementDocument::markSpan(int a, int b) {
    if (!seriesShown())
        return;
    const int n = store_.selected.measurementCount;
    const MeasurementSpan marked{std::clamp(std::min(a, b), 1, n), std::clamp(std::max(a, b), 1, n)};
    if (span_ && span_->first == marked.first && span_->last == marked.last)
        return;
    span_ = marked;
    emit spanChanged();
}

void MeasurementDocument::clearSpan() {
    if (!span_)
        return;
    span_.reset();
    emit spanChanged();
}

void MeasurementDocument::enterStage(DocumentStage stage) {
    if (stage == stage_)
        return;
    stage_ = stage;
    emit stageChanged(stage);
}

void MeasurementDocument::apply(const ViewState& changed) {
    const ViewState before = view_;
    view_ = changed;
    if (changed.viewFirst != before.viewFirst || changed.viewCount != before.viewCount ||
        changed.viewMax != before.viewMax)
        emit viewChanged();
    if (changed.zoomMode != before.zoomMode)
        emit zoomChanged();
    if (changed.gridOn != before.gridOn)
        emit gridChanged(changed.gridOn);
    if (changed.pointerIndex != before.pointerIndex)
        emit pointerMoved(changed.pointerIndex);
}

void MeasurementDocument::notice(const StatusChange& status) {
    if (status)
        emit statusNotice(*status);
}

void MeasurementDocument::movePointer(int k) {
    ViewState changed = view_;
    changed.pointerIndex = static_cast<uint16_t>(k);
    apply(changed);
}

void MeasurementDocument::navigate(NavigationCommand command) {
    // While no series is chosen the graph is blank and holds no pointer to move.
    if (!seriesShown())
        return;
    ViewState changed = view_;
    const StatusChange status = RunNavigation(changed, command);
    apply(changed);
    notice(status);
}

void MeasurementDocument::clickGraph(int k, bool rightOfFrame) {
    if (store_.noSeriesChosen)
        return;
    emit statusNotice(QString::fromUtf8(BlankStatus));
    if (!seriesShown())
        return;
    ViewState changed = view_;
    if (view_.zoomMode != ZoomState::Off) {
        const bool applied = ZoomEdge(changed, store_.selected, k);
        apply(changed);
        if (!applied)
            emit statusNotice(SecondEdgePromptText());
        return;
    }
    if (rightOfFrame)
        return;
    // A click left of the axis in a zoomed view lies before the view: the pointer stops at its first
    // measurement and says so, so that the pointer, the panel and the table all show that one.
    const StatusChange status = ClickedMeasurement(changed, k);
    apply(changed);
    notice(status);
}

// A refused row leaves the pointer where it is, so the line, the labels and the table's row go on showing
// the one measurement the pointer stands on.
void MeasurementDocument::chooseRow(int k) {
    if (!seriesShown() || k == view_.pointerIndex)
        return;
    const RowSelection choice = DecideRowSelection(k, view_.viewFirst, view_.viewCount);
    if (choice.accepted)
        movePointer(k);
    else
        emit statusNotice(choice.message);
}

void MeasurementDocument::beginZoom() {
    ViewState changed = view_;
    const QString prompt = BeginZoom(changed);
    apply(changed);
    emit statusNotice(prompt);
}

// The whole series is shown afresh also when it is the view already shown: a view laid out again after the
// area changed size gets its top margin back.
void MeasurementDocument::showWholeSeries() {
    if (!seriesShown())
        return;
    ViewState changed = view_;
    ShowWholeSeries(changed, store_.selected);
    const bool sameView = changed.viewFirst == view_.viewFirst && changed.viewCount == view_.viewCount &&
                          changed.viewMax == view_.viewMax;
    apply(changed);
    if (sameView)
        emit viewChanged();
}

void MeasurementDocument::showRange(int first, int last) {
    if (!seriesShown())
        return;
    ViewState changed = view_;
    ShowRange(changed, store_.selected, first, last);
    apply(changed);
}

void MeasurementDocument::zoomAround(double seconds, double factor) {
    if (!seriesShown())
        return;
    ViewState changed = view_;
    if (ZoomAround(changed, store_.selected, seconds, factor))
        apply(changed);
}

void MeasurementDocument::panTo(int first) {
    if (!seriesShown())
        return;
    ViewState changed = view_;
    if (PanTo(changed, store_.selected, first))
        apply(changed);
}

void MeasurementDocument::setGrid(bool on) {
    ViewState changed = view_;
    SetGrid(changed, on);
    apply(changed);
}
