#include "app/dialogs/UserDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

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

QString OkText(QPrintDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
    return buttons && buttons->button(QDialogButtonBox::Ok) ? buttons->button(QDialogButtonBox::Ok)->text()
                                                            : QString();
}

// Stands for Qt's Russian catalogue: the standard buttons and the print dialog's own confirm button.
class RussianButtons : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QByteArray key = QByteArray(context) + '|' + source;
        if (key == "QPlatformTheme|OK")
            return QStringLiteral("ОК");
        if (key == "QPlatformTheme|Cancel")
            return QStringLiteral("Отмена");
        if (key == "QPrintDialog|&Print" || key == "QPrintDialog|Print")
            return QStringLiteral("&Печать");
        return QString();
    }
};

TEST(PrinterSetupDialog, ConfirmsWithOkNotPrint) {
    QPrinter printer(QPrinter::HighResolution);
    QString title;
    QString ok;
    WhenShown<QPrintDialog>([&](QPrintDialog& dialog) {
        title = dialog.windowTitle();
        ok = OkText(dialog);
        dialog.reject();
    });
    QtUserDialogs().printerSetup(nullptr, printer);
    EXPECT_EQ(title, QStringLiteral("Настройка принтера"));
    EXPECT_EQ(ok, QStringLiteral("OK"));
}

TEST(PrinterSetupDialog, TheOkFollowsTheLoadedTranslation) {
    RussianButtons russian;
    QCoreApplication::installTranslator(&russian);
    QPrinter printer(QPrinter::HighResolution);
    QString ok;
    WhenShown<QPrintDialog>([&](QPrintDialog& dialog) {
        ok = OkText(dialog);
        dialog.reject();
    });
    QtUserDialogs().printerSetup(nullptr, printer);
    QCoreApplication::removeTranslator(&russian);
    EXPECT_EQ(ok, QStringLiteral("ОК"));
}

class SaveDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        existing = dir.filePath(QStringLiteral("test-график.pdf"));
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("an earlier printout");
    }

    // Accepts the proposed name in the save dialog and answers Yes to the question about replacing it.
    std::optional<QString> acceptProposedName() {
        WhenShown<QFileDialog>([this](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            suffix = dialog.defaultSuffix();
            WhenShown<QMessageBox>([this](QMessageBox& box) {
                question = box.text();
                box.button(QMessageBox::Yes)->click();
            });
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        });
        return QtUserDialogs().saveFile(
            nullptr, {QStringLiteral("pdf"), QStringLiteral("PDF (*.pdf)"), existing, true});
    }

    QTemporaryDir dir;
    QString existing;
    QStringList filters;
    QString suffix;
    QString question;
};

TEST_F(SaveDialog, AsksBeforeReplacingAPrintout) {
    EXPECT_EQ(acceptProposedName(), existing);
    EXPECT_EQ(filters, QStringList{QStringLiteral("PDF (*.pdf)")});
    EXPECT_EQ(suffix, QStringLiteral("pdf"));
    EXPECT_TRUE(question.contains(QStringLiteral("test-график.pdf"))) << question.toStdString();
}

TEST_F(SaveDialog, ReplacesTheTableTextWithoutAQuestion) {
    bool confirms = true;
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        confirms = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.reject();
    });
    EXPECT_EQ(
        QtUserDialogs().saveFile(nullptr, {QStringLiteral("txt"), QStringLiteral("Текстовый файл (*.txt)"),
                                           dir.filePath(QStringLiteral("test.txt"))}),
        std::nullopt);
    EXPECT_FALSE(confirms);
}

TEST(ErrorBox, ShowsTheDetailLineUnderTheMessage) {
    QString text, detail, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    WhenShown<QMessageBox>([&](QMessageBox& box) {
        caption = box.windowTitle();
        text = box.text();
        detail = box.informativeText();
        icon = box.icon();
        buttons = box.standardButtons();
        box.button(QMessageBox::Cancel)->click();
    });
    QtUserDialogs().detailedErrorBox(nullptr, QStringLiteral("Ошибка печати"),
                                     QStringLiteral("Принтер не найден."));
    EXPECT_EQ(caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(text, QStringLiteral("Ошибка печати"));
    EXPECT_EQ(detail, QStringLiteral("Принтер не найден."));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Cancel));
}

} // namespace
