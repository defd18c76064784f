// The open dialog as the user types into it: a name is taken as typed when such an entry exists, gets the
// default extension only when it does not, and a pattern filters the list.

#include "tests/app/GuiFixture.h"

#include "app/dialogs/OpenFileDialog.h"
#include "app/dialogs/UserDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class OpenDialogTest : public GuiTest {
protected:
    // Runs the program's open dialog; once it is shown, types `typed` into its name field and presses
    // Enter, then runs `after` on the dialog if it is still open (and closes it).
    std::optional<QString> typeIntoOpenDialog(const QString& typed,
                                              const std::function<void(QFileDialog&)>& after = {}) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name)
                return;
            // Typed as the user types: into the focused name field of the active dialog.
            QApplication::setActiveWindow(dialog);
            name->setFocus();
            name->selectAll();
            QTest::keyClicks(name, typed);
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible()) {
                stayedOpen = true;
                if (after)
                    after(*dialog);
                dialog->reject();
            }
        });
        OpenDialogRequest request;
        request.defaultSuffix = QStringLiteral("rad");
        request.nameFilters = {QStringLiteral("Двоичные файлы (*.ser) (*.rad)"),
                               QStringLiteral("Все файлы (*.*) (*)")};
        request.directory = dir.path();
        return QtUserDialogs().openFile(form, request);
    }

    bool stayedOpen = false;
};

TEST_F(OpenDialogTest, AnExistingNameWithoutExtensionIsTakenAsTyped) {
    const QString file = writeFile(QStringLiteral("measurements"), OneSeriesFile());
    EXPECT_EQ(typeIntoOpenDialog(QStringLiteral("measurements")), file);
}

TEST_F(OpenDialogTest, ADeviceIsTakenAsTypedAndRefusedAsNoRegularFile) {
    const std::optional<QString> chosen = typeIntoOpenDialog(QStringLiteral("/dev/zero"));
    ASSERT_EQ(chosen, QStringLiteral("/dev/zero"));
    form->loadFile(*chosen);
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors[0].contains(QStringLiteral("не является обычным файлом")))
        << dialogs->errors[0].toStdString();
}

TEST_F(OpenDialogTest, ANameThatDoesNotExistGetsTheDefaultExtension) {
    EXPECT_EQ(typeIntoOpenDialog(QStringLiteral("new")), dir.filePath(QStringLiteral("new.rad")));
    EXPECT_EQ(typeIntoOpenDialog(QStringLiteral("new.dat")), dir.filePath(QStringLiteral("new.dat")));
}

TEST_F(OpenDialogTest, ATypedPatternFiltersTheListInsteadOfOpening) {
    writeFile(QStringLiteral("a.rad"), OneSeriesFile());
    writeFile(QStringLiteral("b.dat"), OneSeriesFile());
    QStringList modelFilters;
    QString nameLeft;
    const std::optional<QString> chosen =
        typeIntoOpenDialog(QStringLiteral("*.d?t"), [&](QFileDialog& dialog) {
            modelFilters = dialog.findChild<QFileSystemModel*>()->nameFilters();
            nameLeft = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        });
    EXPECT_FALSE(chosen);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(modelFilters, QStringList{QStringLiteral("*.d?t")});
    EXPECT_TRUE(nameLeft.isEmpty());
}

TEST(TypedPath, ResolvesToTheEntryThatExistsOrAddsTheExtension) {
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain"));
    QFile(plain).open(QIODevice::WriteOnly);
    EXPECT_EQ(ResolveTypedPath(plain, QStringLiteral("rad")), plain);
    EXPECT_EQ(ResolveTypedPath(dir.path(), QStringLiteral("rad")), dir.path());
    EXPECT_EQ(ResolveTypedPath(dir.filePath(QStringLiteral("absent")), QStringLiteral("rad")),
              dir.filePath(QStringLiteral("absent.rad")));
    EXPECT_EQ(ResolveTypedPath(dir.filePath(QStringLiteral("absent.txt")), QStringLiteral("rad")),
              dir.filePath(QStringLiteral("absent.txt")));
    EXPECT_TRUE(IsNamePattern(QStringLiteral("*.rad")));
    EXPECT_TRUE(IsNamePattern(QStringLiteral("a?.rad")));
    EXPECT_FALSE(IsNamePattern(QStringLiteral("a.rad")));
}

} // namespace
