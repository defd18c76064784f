// The dialogs of the saving commands as Qt shows them: a save dialog offering more than one type of file,
// and the prompt for a picture's size.

#include "app/dialogs/PictureSizeDialog.h"
#include "app/dialogs/UserDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs act on the modal dialog of type T once it is shown, from inside its event loop.
template <typename T> void WhenShown(std::function<void(T&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

class SaveDialogTypes : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    SaveDialogRequest tableRequest() const {
        SaveDialogRequest request{QStringLiteral("txt"), QStringLiteral("Текстовый файл (*.txt)"),
                                  dir.filePath(QStringLiteral("test.txt"))};
        request.otherFilters = {QStringLiteral("CSV (*.csv)")};
        return request;
    }
    // Chooses the next type in the dialog's list from the keyboard, as the user would.
    static void chooseNextType(QFileDialog& dialog) {
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        QTest::keyClick(types, Qt::Key_Down);
    }
    static QLineEdit* nameField(QFileDialog& dialog) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    }
    static void save(QFileDialog& dialog) {
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    }

    QTemporaryDir dir;
};

TEST_F(SaveDialogTypes, TheChosenTypeComesBackAndTheNameFollowsIt) {
    QStringList offered;
    QString shownName, suffix;
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        offered = dialog.nameFilters();
        chooseNextType(dialog);
        shownName = nameField(dialog)->text();
        suffix = dialog.defaultSuffix();
        save(dialog);
    });
    const std::optional<SaveChoice> choice = QtUserDialogs().saveFileOfType(nullptr, tableRequest());
    EXPECT_EQ(offered,
              QStringList({QStringLiteral("Текстовый файл (*.txt)"), QStringLiteral("CSV (*.csv)")}));
    EXPECT_EQ(shownName, QStringLiteral("test.csv"));
    EXPECT_EQ(suffix, QStringLiteral("csv"));
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->path, dir.filePath(QStringLiteral("test.csv")));
    EXPECT_EQ(choice->nameFilter, QStringLiteral("CSV (*.csv)"));
}

TEST_F(SaveDialogTypes, ANameTypedWithoutExtensionGetsTheChosenTypes) {
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        chooseNextType(dialog);
        nameField(dialog)->setText(QStringLiteral("export"));
        save(dialog);
    });
    const std::optional<SaveChoice> choice = QtUserDialogs().saveFileOfType(nullptr, tableRequest());
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->path, dir.filePath(QStringLiteral("export.csv")));
    EXPECT_EQ(choice->nameFilter, QStringLiteral("CSV (*.csv)"));
}

TEST_F(SaveDialogTypes, TheFirstTypeIsTheDefault) {
    WhenShown<QFileDialog>([&](QFileDialog& dialog) { save(dialog); });
    const std::optional<SaveChoice> choice = QtUserDialogs().saveFileOfType(nullptr, tableRequest());
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->path, dir.filePath(QStringLiteral("test.txt")));
    EXPECT_EQ(choice->nameFilter, QStringLiteral("Текстовый файл (*.txt)"));
}

TEST_F(SaveDialogTypes, AnExistingFileIsReplacedOnlyAfterAQuestion) {
    QFile existing(dir.filePath(QStringLiteral("test.txt")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    SaveDialogRequest request = tableRequest();
    request.confirmOverwrite = true;
    QString question;
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        // The question comes from inside the dialog's Save: answered No, the dialog stays; then cancelled.
        QTimer::singleShot(0, [&question] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no question before replacing the file";
            question = box->text();
            box->button(QMessageBox::No)->click();
        });
        save(dialog);
        if (dialog.isVisible())
            dialog.reject();
    });
    EXPECT_EQ(QtUserDialogs().saveFileOfType(nullptr, request), std::nullopt);
    EXPECT_TRUE(question.contains(QStringLiteral("test.txt"))) << question.toStdString();
}

TEST(PictureSizePrompt, OffersTheSizeOnScreenAndAnswersWhatIsTyped) {
    QString title;
    int offeredWidth = 0, offeredHeight = 0;
    WhenShown<PictureSizeDialog>([&](PictureSizeDialog& dialog) {
        title = dialog.windowTitle();
        offeredWidth = dialog.widthField->value();
        offeredHeight = dialog.heightField->value();
        dialog.widthField->selectAll();
        QTest::keyClicks(dialog.widthField, QStringLiteral("1200"));
        dialog.buttons->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(QtUserDialogs().pictureSize(nullptr, QSize(707, 328)), QSize(1200, 328));
    EXPECT_EQ(title, QStringLiteral("Размер рисунка"));
    // Room for the title in a title bar's larger bold font beside the window manager's buttons.
    PictureSizeDialog dialog(QSize(707, 328));
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    titleFont.setPixelSize(QFontInfo(dialog.font()).pixelSize() * 3 / 2);
    EXPECT_GE(dialog.minimumWidth(), QFontMetrics(titleFont).horizontalAdvance(title) + 100);
    EXPECT_EQ(offeredWidth, 707);
    EXPECT_EQ(offeredHeight, 328);
}

TEST(PictureSizePrompt, CancelAnswersNothing) {
    WhenShown<PictureSizeDialog>(
        [](PictureSizeDialog& dialog) { dialog.buttons->button(QDialogButtonBox::Cancel)->click(); });
    EXPECT_EQ(QtUserDialogs().pictureSize(nullptr, QSize(707, 328)), std::nullopt);
}

TEST(PictureSizePrompt, SidesStayWithinWhatAPictureCanHave) {
    PictureSizeDialog dialog(QSize(0, 50000));
    EXPECT_EQ(dialog.chosenSize(), QSize(1, 16384));
    EXPECT_EQ(dialog.widthField->minimum(), 1);
    EXPECT_EQ(dialog.heightField->maximum(), 16384);
}

} // namespace
