// "Отчёт PDF…" in the File menu, driven as the user drives it: the range dialog, the save dialog, the file.

#include "tests/app/SeriesShownFixture.h"
#include "tests/support/PdfText.h"

#include "app/commands/ReportCommand.h"
#include "app/document/MeasurementDocument.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

namespace {

QStringList PageLines(const QString& pdf, int page) {
    QStringList lines;
    for (const QString& line : PdfPageText(pdf, page).split(QLatin1Char('\n')))
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    return lines;
}

// Every line but the footer's, whose date of printing is the day's.
QStringList LinesAboveTheFooter(const QString& pdf) {
    QStringList lines;
    for (int page = 0; page < ReadPdfInfo(pdf).pages; ++page) {
        QStringList pageLines = PageLines(pdf, page);
        if (!pageLines.isEmpty())
            pageLines.removeLast();
        lines += pageLines;
    }
    return lines;
}

TEST_F(GuiTest, TheReportWaitsForASeries) {
    EXPECT_TRUE(form->fileMenu->actions().contains(form->commands.report));
    EXPECT_EQ(form->commands.report->text(), QStringLiteral("Отчёт PDF…"));
    EXPECT_FALSE(form->commands.report->isEnabled());
    openThroughDialog(writeFile(QStringLiteral("one.rad"), OneSeriesFile()));
    EXPECT_TRUE(form->commands.report->isEnabled());
    // Opening another file withdraws the series, also when the open dialog is cancelled.
    cancelOpenDialog();
    EXPECT_FALSE(form->commands.report->isEnabled());
    // With several series none is shown until one is chosen from the list.
    openThroughDialog(writeFile(QStringLiteral("several.rad"), SeveralSeriesFile()));
    EXPECT_FALSE(form->commands.report->isEnabled());
    doubleClickRow(0);
    EXPECT_TRUE(form->commands.report->isEnabled());
}

class ReportCommandTest : public SeriesShownTest {
protected:
    void SetUp() override {
        if (!PdfToolsAvailable())
            GTEST_SKIP() << "pdftotext is not installed";
        SeriesShownTest::SetUp();
    }
    // The report of the range dialog's item, saved to target (an empty target cancels the save dialog).
    void reportTo(const QString& target, int item) {
        tableDialogs->saveAnswers.push_back(target);
        answerRangeDialogWith(item);
        form->commands.report->trigger();
    }
};

TEST_F(ReportCommandTest, TheWholeSeriesAsTheCommandLineMakesIt) {
    const QString pdf = dir.filePath(QStringLiteral("window.pdf"));
    reportTo(pdf, 1);
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();
    ASSERT_EQ(tableDialogs->saveRequests.size(), 1u);
    const SaveDialogRequest& request = tableDialogs->saveRequests[0];
    EXPECT_EQ(request.nameFilter, QStringLiteral("PDF (*.pdf)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("pdf"));
    EXPECT_EQ(request.fileName, dir.filePath(QStringLiteral("test-отчёт.pdf")));
    EXPECT_TRUE(request.confirmOverwrite);

    ASSERT_TRUE(QFile::exists(pdf));
    const QStringList lines = LinesAboveTheFooter(pdf);
    EXPECT_TRUE(lines.contains(QStringLiteral("Измерений: 40 (с 1 по 40), ошибочных меток: 0")))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Время выше 300 Бк/м³: 100,0 %")));

    const QString cli = dir.filePath(QStringLiteral("cli.pdf"));
    QProcess dump;
    dump.start(QStringLiteral(RADVIEW_DUMP_EXE), {path, "--series", "1", "--report", "1", "40", cli});
    ASSERT_TRUE(dump.waitForFinished(120000));
    ASSERT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
    EXPECT_EQ(LinesAboveTheFooter(cli), lines);
}

// The user's reading (pCi/L, levels, the running average shown) makes the report the command line makes
// with the same options, its graph in the warning colour above the highest level.
TEST_F(ReportCommandTest, TheReadingAsTheCommandLineGivesIt) {
    ReadingSettings reading;
    reading.unit = ActivityUnit::PicocuriePerLitre;
    reading.levels = {150, 250};
    reading.warningColour = QStringLiteral("#00c000");
    reading.averageShown = true;
    form->document().setReading(reading);
    const QString pdf = dir.filePath(QStringLiteral("window.pdf"));
    reportTo(pdf, 1);
    ASSERT_TRUE(QFile::exists(pdf)) << dialogs->errors.join('\n').toStdString();
    const QStringList lines = LinesAboveTheFooter(pdf);
    EXPECT_TRUE(lines.contains(QStringLiteral("Дата Часов Среднее, пКи/л")))
        << lines.join('\n').toStdString();

    const QString cli = dir.filePath(QStringLiteral("cli.pdf"));
    QProcess dump;
    dump.start(QStringLiteral(RADVIEW_DUMP_EXE),
               {path, "--series", "1", "--report", "1", "40", cli, "--unit", "pCi/L", "--levels", "150,250",
                "--warning-colour", "#00c000", "--average-window", "24"});
    ASSERT_TRUE(dump.waitForFinished(120000));
    ASSERT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
    EXPECT_EQ(LinesAboveTheFooter(cli), lines);
    // The page above the footer, graph included, pixel for pixel.
    const auto page = [](const QString& file) {
        QProcess draw;
        draw.start(QStringLiteral("pdftoppm"), {"-f", "1", "-l", "1", "-r", "60", "-png", file});
        draw.waitForFinished(60000);
        const QImage image = QImage::fromData(draw.readAllStandardOutput(), "PNG");
        return image.copy(0, 0, image.width(), image.height() * 8 / 10);
    };
    const QImage window = page(pdf);
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window, page(cli));
    int warned = 0;
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x)
            warned += qGreen(window.pixel(x, y)) > 150 && qRed(window.pixel(x, y)) < 80;
    EXPECT_GT(warned, 0);
}

TEST_F(ReportCommandTest, TheVisibleMeasurements) {
    const QString pdf = dir.filePath(QStringLiteral("visible.pdf"));
    reportTo(pdf, 0); // the graph shows measurements 10 … 30
    const QStringList lines = PageLines(pdf, 0);
    EXPECT_TRUE(lines.contains(QStringLiteral("Измерений: 21 (с 10 по 30), ошибочных меток: 0")))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Страница 1 из 1")));
}

TEST_F(ReportCommandTest, CancelledDialogsWriteNothing) {
    answerRangeDialog([](RangeDialog& dialog) { dialog.reject(); });
    form->commands.report->trigger();
    EXPECT_TRUE(tableDialogs->saveRequests.empty());

    reportTo(QString(), 1);
    EXPECT_EQ(tableDialogs->saveRequests.size(), 1u);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files), QStringList());
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(ReportCommandTest, AFileThatCannotBeWrittenIsReported) {
    const QString target = dir.filePath(QStringLiteral("missing/report.pdf"));
    reportTo(target, 1);
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors[0].contains(target)) << dialogs->errors[0].toStdString();
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(ReportCommandTest, OtmenaInTheProgressDialogStopsTheReportAndWritesNoFile) {
    form->reportCommand().setProgressDelay(0); // a long report's dialog, shown at once
    const QString pdf = dir.filePath(QStringLiteral("cancelled.pdf"));
    bool clicked = false;
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<QProgressDialog*>(widget);
            if (!progress || !progress->isVisible() || clicked)
                continue;
            for (QPushButton* button : progress->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Отмена")) {
                    button->click();
                    clicked = true;
                }
        }
    });
    clicker.start(0);
    reportTo(pdf, 1);
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();
}

} // namespace
