// Files dropped on the main window from a file manager: which drags it takes, and what a drop opens.

#include "tests/app/GuiFixture.h"
#include "tests/app/WindowSnapshot.h"

#include "app/window/FileDrop.h"
#include "app/window/GraphWidget.h"
#include "store/NativePath.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <memory>

namespace {

const QString kPrompt = QStringLiteral("Откройте файл для просмотра");
const QString kOnlyFirst = QStringLiteral("Открыт только первый файл: файлы открываются по одному");
// What a file manager offers for a dragged file.
constexpr Qt::DropActions kFileManagerActions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

QString Sample(const char* name) {
    return QDir(QStringLiteral(RADVIEW_SAMPLES_DIR)).absoluteFilePath(QString::fromLatin1(name));
}

std::unique_ptr<QMimeData> Carrying(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

std::unique_ptr<QMimeData> CarryingFiles(const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    return Carrying(urls);
}

TEST(FileDrop, LocalFilesAreTakenInTheirOrderAsACopy) {
    const auto data = CarryingFiles({QStringLiteral("/data/b.rad"), QStringLiteral("/data/a.rad")});
    const FileDrop drop = ReadFileDrop(data.get(), kFileManagerActions);
    EXPECT_TRUE(drop.accepted());
    EXPECT_EQ(drop.action, Qt::CopyAction);
    EXPECT_EQ(drop.files, QStringList({QStringLiteral("/data/b.rad"), QStringLiteral("/data/a.rad")}));
}

TEST(FileDrop, ANameThatIsNoUtf8KeepsItsBytes) {
    // A file manager sends the byte 0xE4 percent-encoded; toLocalFile() would make it U+FFFD.
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("text/uri-list"), "file:///data/data%E4.rad\r\n");
    const FileDrop drop = ReadFileDrop(data.get(), kFileManagerActions);
    ASSERT_EQ(drop.files.size(), 1);
    EXPECT_EQ(NativePath(drop.files.first()), QByteArray("/data/data\xe4.rad"));
}

TEST(FileDrop, ALinkServesWhenNoCopyIsOffered) {
    const auto data = CarryingFiles({QStringLiteral("/data/a.rad")});
    EXPECT_EQ(ReadFileDrop(data.get(), Qt::LinkAction | Qt::MoveAction).action, Qt::LinkAction);
}

TEST(FileDrop, AMoveIsNeverTaken) {
    // Taken as a move, the file manager would delete the file it moved into the viewer.
    const auto data = CarryingFiles({QStringLiteral("/data/a.rad")});
    EXPECT_FALSE(ReadFileDrop(data.get(), Qt::MoveAction).accepted());
}

TEST(FileDrop, AnythingButLocalFilesIsRefused) {
    const auto web = Carrying({QUrl(QStringLiteral("https://example.org/a.rad"))});
    const auto mixed = Carrying(
        {QUrl::fromLocalFile(QStringLiteral("/data/a.rad")), QUrl(QStringLiteral("sftp://host/data/b.rad"))});
    const auto none = Carrying({});
    auto text = std::make_unique<QMimeData>();
    text->setText(QStringLiteral("/data/a.rad"));
    for (const QMimeData* data : {web.get(), mixed.get(), none.get(), text.get()}) {
        const FileDrop drop = ReadFileDrop(data, kFileManagerActions);
        EXPECT_FALSE(drop.accepted()) << data->urls().size();
        EXPECT_TRUE(drop.files.isEmpty());
    }
    EXPECT_FALSE(ReadFileDrop(nullptr, kFileManagerActions).accepted());
}

// A file manager's drag over the graph area, where a file is dropped: its events go to the graph area and
// reach the main window as a real drag's do.
class DropOnWindow : public GuiTest {
protected:
    QPoint target() const { return form->graphWidget->rect().center(); }

    // Enters and moves over the graph area; answers whether the window took the drag both times. `action`
    // is the drop action it answered with.
    bool dragOver(const QMimeData& data, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QDragEnterEvent enter(target(), kFileManagerActions, &data, Qt::LeftButton, keys);
        QApplication::sendEvent(form->graphWidget, &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(target() + QPoint(5, 5), kFileManagerActions, &data, Qt::LeftButton, keys);
        QApplication::sendEvent(form->graphWidget, &move);
        action = move.dropAction();
        return move.isAccepted() && enter.dropAction() == move.dropAction();
    }

    // The whole gesture: over the graph area, then dropped there, or taken away again when the window
    // refused the drag. Lets the event loop run what the drop queued, and answers whether the drop was taken.
    bool dragAndDrop(const QMimeData& data, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        if (!dragOver(data, keys)) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(form->graphWidget, &leave);
            return false;
        }
        QDropEvent drop(target() + QPoint(5, 5), kFileManagerActions, &data, Qt::LeftButton, keys);
        QApplication::sendEvent(form->graphWidget, &drop);
        action = drop.dropAction();
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }

    // A fresh program that opened the file through its open dialog.
    WindowSnapshot openedThroughDialog(const QString& file) {
        startProgram();
        openThroughDialog(file);
        return TakeSnapshot(*form);
    }

    Qt::DropAction action = Qt::IgnoreAction;
};

TEST_F(DropOnWindow, OneLocalFileIsTakenAsACopyAndOpensAsTheOpenCommandOpensIt) {
    const QString file = Sample("one-series.rad");
    const auto data = CarryingFiles({file});
    // Shift asks the file manager for a move; the viewer takes a copy all the same.
    ASSERT_TRUE(dragAndDrop(*data, Qt::ShiftModifier));
    EXPECT_EQ(action, Qt::CopyAction);

    const WindowSnapshot dropped = TakeSnapshot(*form);
    EXPECT_TRUE(dropped.panel0.startsWith(QStringLiteral("Файл one-series.rad; Серия N ")))
        << dropped.panel0.toStdString();
    EXPECT_EQ(dropped.panel1, QStringLiteral(" "));
    EXPECT_EQ(dropped.enabledCommands, (AllCommands() - QSet<QString>{"SBSer", "MenuSer"}));
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_EQ(dropped, openedThroughDialog(file));
}

TEST_F(DropOnWindow, OfTwoFilesTheFirstOpensAndPanelOneSaysSo) {
    const auto data = CarryingFiles({Sample("several-series.rad"), Sample("one-series.rad")});
    ASSERT_TRUE(dragAndDrop(*data));

    EXPECT_EQ(panel(0), QStringLiteral("Просмотр файла several-series.rad"));
    EXPECT_EQ(panel(1), kOnlyFirst);
    EXPECT_TRUE(seriesListShown());
    EXPECT_EQ(form->store().file.dataFileName, Sample("several-series.rad"));
    EXPECT_EQ(enabledCommands(), (StartCommands() + QSet<QString>{"SBSer", "MenuSer"}));
}

TEST_F(DropOnWindow, ANonLocalAddressIsRefusedAndNothingOpens) {
    const WindowSnapshot before = TakeSnapshot(*form);
    const auto data = Carrying({QUrl(QStringLiteral("https://example.org/one-series.rad"))});
    EXPECT_FALSE(dragAndDrop(*data));

    EXPECT_EQ(TakeSnapshot(*form), before);
    EXPECT_EQ(form->store().file.seriesCount, 0);
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_TRUE(dialogs->requests.empty());
}

TEST_F(DropOnWindow, ADropOnASeriesShownGoesAsTheOpenCommandGoes) {
    const QString shown = Sample("one-series.rad");
    for (const QString& file : {Sample("several-series.rad"), dir.filePath(QStringLiteral("missing.rad"))}) {
        startProgram();
        openThroughDialog(shown);
        ASSERT_FALSE(form->document().noSeriesChosen());
        ASSERT_TRUE(dragAndDrop(*CarryingFiles({file})));
        const WindowSnapshot dropped = TakeSnapshot(*form);
        const QStringList droppedErrors = dialogs->errors;

        startProgram();
        openThroughDialog(shown);
        openThroughDialog(file);
        EXPECT_EQ(dropped, TakeSnapshot(*form)) << file.toStdString();
        EXPECT_EQ(droppedErrors, dialogs->errors);
    }
}

TEST_F(DropOnWindow, AMissingFileIsReportedAsTheOpenCommandReportsIt) {
    const QString missing = dir.filePath(QStringLiteral("missing.rad"));
    const auto data = CarryingFiles({missing});
    ASSERT_TRUE(dragAndDrop(*data));

    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors.first().contains(missing)) << dialogs->errors.first().toStdString();
    EXPECT_EQ(panel(0), kPrompt);
    EXPECT_EQ(enabledCommands(), StartCommands());
    EXPECT_FALSE(seriesListShown());
}

} // namespace
