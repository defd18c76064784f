// Qt's own dialogs and buttons speak the interface's language, and so do the reasons the system gives
// for a file that cannot be read or written.

#include "tests/app/SeriesShownFixture.h"

#include "app/dialogs/UserDialogs.h"
#include "print/PdfPrinter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// Runs `look` on the modal dialog the call opens, then closes it.
template <typename Dialog>
void WhileShown(const std::function<void()>& call, const std::function<void(Dialog&)>& look) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog) {
            seen = true;
            look(*dialog);
            dialog->reject();
        }
    });
    call();
    EXPECT_TRUE(seen) << "no dialog was shown";
}

QString WithoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

QStringList ButtonTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        for (const QAbstractButton* button : box->buttons())
            texts << WithoutMnemonic(button->text());
    return texts;
}

// A message built by the program names the file and otherwise has no word in Latin letters: only what it
// quotes in «» (the file and its folder) may have them.
bool IsRussianApartFrom(const QString& message, const QString& path) {
    if (!message.contains(path))
        return false;
    QString words = message;
    words.remove(QRegularExpression(QStringLiteral("«[^»]*»")));
    return !words.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

using RussianTextsTest = SeriesShownTest;

TEST_F(RussianTextsTest, TheErrorBoxHasACancelButtonInRussian) {
    QtUserDialogs qt;
    WhileShown<QMessageBox>([&] { qt.errorBox(form, QStringLiteral("Ошибка в файле")); },
                            [](QMessageBox& box) {
                                ASSERT_NE(box.button(QMessageBox::Cancel), nullptr);
                                EXPECT_EQ(WithoutMnemonic(box.button(QMessageBox::Cancel)->text()),
                                          QStringLiteral("Отмена"));
                            });
}

TEST_F(RussianTextsTest, TheOpenDialogIsInRussian) {
    QtUserDialogs qt;
    OpenDialogRequest request;
    request.nameFilters = {QStringLiteral("Все файлы (*.*) (*)")};
    request.directory = dir.path();
    WhileShown<QFileDialog>(
        [&] { qt.openFile(form, request); },
        [](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Открыть"));
            EXPECT_EQ(WithoutMnemonic(dialog.labelText(QFileDialog::FileName)), QStringLiteral("Имя файла:"));
            EXPECT_EQ(WithoutMnemonic(dialog.labelText(QFileDialog::Accept)), QStringLiteral("Открыть"));
            EXPECT_TRUE(ButtonTexts(dialog).contains(QStringLiteral("Отмена")));
        });
}

TEST_F(RussianTextsTest, TheSaveDialogIsInRussian) {
    QtUserDialogs qt;
    const SaveDialogRequest request{QStringLiteral("txt"), QStringLiteral("Текстовый файл (*.txt)"),
                                    dir.filePath(QStringLiteral("table.txt"))};
    WhileShown<QFileDialog>(
        [&] { qt.saveFile(form, request); },
        [](QFileDialog& dialog) {
            EXPECT_EQ(WithoutMnemonic(dialog.labelText(QFileDialog::Accept)), QStringLiteral("Сохранить"));
            EXPECT_EQ(WithoutMnemonic(dialog.labelText(QFileDialog::FileName)), QStringLiteral("Имя файла:"));
        });
}

TEST_F(RussianTextsTest, TheColourChooserIsInRussian) {
    QtUserDialogs qt;
    WhileShown<QColorDialog>([&] { qt.chooseColor(form, Qt::black); },
                             [](QColorDialog& dialog) {
                                 EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выбор цвета"));
                                 EXPECT_TRUE(ButtonTexts(dialog).contains(QStringLiteral("Отмена")));
                             });
}

TEST_F(RussianTextsTest, ThePrinterSetupIsInRussian) {
    QtUserDialogs qt;
    QPrinter printer;
    WhileShown<QPrintDialog>(
        [&] { qt.printerSetup(form, printer); },
        [](QPrintDialog& dialog) { EXPECT_TRUE(ButtonTexts(dialog).contains(QStringLiteral("Отмена"))); });
}

TEST_F(RussianTextsTest, AFileInAFolderThatDoesNotExistIsReportedInRussian) {
    const QString missing = dir.filePath(QStringLiteral("no folder/file.rad"));
    openThroughDialog(missing);
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors[0].contains(missing));
    EXPECT_TRUE(dialogs->errors[0].contains(QStringLiteral("не существует")))
        << dialogs->errors[0].toStdString();
    EXPECT_TRUE(IsRussianApartFrom(dialogs->errors[0], missing)) << dialogs->errors[0].toStdString();
}

TEST_F(RussianTextsTest, APathThroughAFileIsReportedInRussian) {
    const QString through = path + QStringLiteral("/inner.rad"); // the series file is no folder
    openThroughDialog(through);
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(IsRussianApartFrom(dialogs->errors[0], through)) << dialogs->errors[0].toStdString();
}

TEST_F(RussianTextsTest, ASaveIntoAMissingFolderGivesTheReasonInRussian) {
    const QString target = dir.filePath(QStringLiteral("no such folder/saved.txt"));
    tableDialogs->saveAnswers.push_back(target);
    answerRangeDialogWith(1);
    form->saveTableButton->click();
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors[0].contains(QStringLiteral("не существует")))
        << dialogs->errors[0].toStdString();
    EXPECT_TRUE(IsRussianApartFrom(dialogs->errors[0], target)) << dialogs->errors[0].toStdString();
}

TEST_F(RussianTextsTest, PrintingIntoAMissingFolderSaysWhyInRussian) {
    const QString pdf = dir.filePath(QStringLiteral("missing folder/graph.pdf"));
    tableDialogs->onPrinterSetup = [pdf](QPrinter& printer) { ConfigurePdfPrinter(printer, pdf); };
    form->printerSetupButton->click();
    tableDialogs->saveAnswers.push_back(pdf); // printing to a file asks for the printout's own file
    form->printGraphButton->click();
    ASSERT_EQ(dialogs->errors, QStringList{QStringLiteral("Ошибка печати")});
    ASSERT_EQ(dialogs->errorDetails.size(), 1);
    const QString details = dialogs->errorDetails[0];
    EXPECT_TRUE(details.contains(pdf)) << details.toStdString();
    EXPECT_TRUE(details.contains(QStringLiteral("не существует"))) << details.toStdString();
    EXPECT_TRUE(IsRussianApartFrom(details, pdf)) << details.toStdString();
}

} // namespace
