// Makes the screenshot of the main window: loads an instrument file, shows a series and saves what the
// window draws as a PNG.
//   radview-screenshot <instrument file> <output.png> [series ordinal [--zoom FIRST LAST] [--grid]
//                      [--pointer K] [--table TABLE.png] [--range RANGE.png] [--colors COLORS.png]
//                      [--list LIST.png] [--span FIRST LAST SPAN.png]]
// The range dialog is shown as the averaging command shows it; the series list is shown last, as the
// series command shows it, since that withdraws the series. --span marks measurements FIRST … LAST with
// the reference levels 100, 200 and 300 Bq/m³ and saves the main window with the span's panel beside it.
// Run it under a display (xvfb-run) to get the real fonts and style of the desktop.

#include "app/commands/TableCommands.h"
#include "app/dialogs/UserDialogs.h"
#include "app/dialogs/colors/ColorDialog.h"
#include "app/program/Program.h"
#include "app/span/SpanCommands.h"
#include "app/span/SpanPanel.h"
#include "app/window/GraphWidget.h"
#include "app/window/MainWindow.h"
#include "app/window/SeriesListWindow.h"
#include "table/MeasurementTableWindow.h"
#include "table/RangeDialog.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdio>

namespace {

// Puts the graph in the state the options ask for, the way the toolbar would leave it.
void ApplyViewOptions(const QStringList& options, MainWindow& form) {
    for (qsizetype i = 0; i < options.size(); ++i) {
        if (options[i] == QLatin1String("--grid")) {
            form.gridButton->click();
        } else if (options[i] == QLatin1String("--zoom") && i + 2 < options.size()) {
            form.document().showRange(options[i + 1].toInt(), options[i + 2].toInt());
            i += 2;
        } else if (options[i] == QLatin1String("--pointer") && i + 1 < options.size()) {
            form.document().movePointer(options[++i].toInt());
        } else if (options[i] == QLatin1String("--span") && i + 2 < options.size()) {
            ReadingSettings reading = form.document().reading();
            reading.levels = {100, 200, 300};
            form.document().setReading(reading);
            form.document().markSpan(options[i + 1].toInt(), options[i + 2].toInt());
            i += 3; // and the picture's name
        }
    }
}

// The main window and the span's panel as they stand side by side on a screen, without the frames.
QImage WindowWithPanel(QWidget& window, QWidget& panel) {
    const QPixmap main = window.grab();
    const QPixmap beside = panel.grab();
    constexpr int Gap = 8;
    QImage both(main.width() + Gap + beside.width(), std::max(main.height(), beside.height()),
                QImage::Format_RGB32);
    both.fill(QColor(96, 96, 96));
    QPainter painter(&both);
    painter.drawPixmap(0, 0, main);
    painter.drawPixmap(main.width() + Gap, 0, beside);
    return both;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: radview-screenshot <instrument file> <output.png> [series]\n");
        return 2;
    }
    const QStringList args = QApplication::arguments();
    // The pictures show the viewer as a first start does, whatever the user's own settings.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ProgramServices services = QtServices();
    services.dialogs = std::make_unique<UnattendedDialogs>();
    const auto program = CreateProgram(std::move(services));
    MainWindow* form = program->mainWindow;
    form->loadFile(args.at(1));
    if (form->store().noSeriesChosen || form->store().selected.measurementCount == 0)
        form->selectSeries(args.size() > 3 ? args.at(3).toInt() : 1);
    ApplyViewOptions(args.mid(4), *form);

    auto optionFile = [&args](const char* option) {
        const qsizetype at = args.indexOf(QLatin1String(option));
        return at > 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };
    const QString tableFile = optionFile("--table");
    const QString rangeFile = optionFile("--range");
    const QString colorsFile = optionFile("--colors");
    const QString listFile = optionFile("--list");
    const qsizetype spanAt = args.indexOf(QLatin1String("--span"));
    const QString spanFile = spanAt > 0 && spanAt + 3 < args.size() ? args.at(spanAt + 3) : QString();
    if (!tableFile.isEmpty())
        form->SBTabClick();

    int status = 0;
    auto save = [&status](QWidget* window, const QString& file) {
        if (!file.isEmpty() && !window->grab().save(file))
            status = 1;
    };
    // Grab once the windows have been laid out and painted on the display.
    constexpr int kSettle = 300;
    QTimer::singleShot(kSettle, [&] {
        save(form, args.at(2));
        if (!spanFile.isEmpty() && !WindowWithPanel(*form, *form->spanCommands().panel()).save(spanFile))
            status = 1;
        save(form->tableWindow(), tableFile);
        if (!rangeFile.isEmpty()) {
            QTimer::singleShot(kSettle, form->rangeDialog(), [&] {
                save(form->rangeDialog(), rangeFile);
                form->rangeDialog()->reject();
            });
            form->rangeChoice().choose();
        }
        if (!colorsFile.isEmpty()) {
            form->SBColorClick();
            QApplication::processEvents();
        }
        if (!listFile.isEmpty())
            form->SBSerClick();
        QTimer::singleShot(kSettle, [&] {
            save(form->colorDialog(), colorsFile);
            save(form->seriesListWindow(), listFile);
            QApplication::quit();
        });
    });
    QApplication::exec();
    return status;
}
