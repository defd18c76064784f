// The main window as built: caption, sizes, toolbar, menu, information panel, status bar and fonts.

#include "tests/app/GuiFixture.h"

#include "app/window/InfoPanel.h"

#include "app/dialogs/colors/ColorDialog.h"
#include "app/window/GraphWidget.h"
#include "app/window/SeriesListWindow.h"
#include "app/window/StatusPanels.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

struct ButtonSpec {
    const char* name;
    const char* panel;
    int x;
    const char* hint;
};

const ButtonSpec kButtons[] = {
    {"SBOpen", "Panel1", 4, "Открыть файл ..."},
    {"SBDevice", "Panel1", 30, "Связь с прибором"},
    {"SBSaveTable", "Panel1", 56, "Сохранить таблицу"},
    {"SBSer", "Panel1", 82, "Показать все серии"},
    {"SBTab", "Panel1", 107, "Таблица измерений"},
    {"SBMiddle", "Panel1", 133, "Усреднение"},
    {"SBSetka", "Panel1", 159, "Сетка"},
    {"SBPrintTable", "PlService", 3, "Печать таблицы"},
    {"SBPrintGr", "PlService", 29, "Печать графика"},
    {"SBMasGS", "PlService", 55, "Увеличение"},
    {"SBMasGA", "PlService", 80, "Первоначальный вид"},
    {"SBToHome", "PlService", 105, "Первое измерение"},
    {"SBToLeft", "PlService", 130, "Назад"},
    {"SBToRight", "PlService", 156, "Вперед"},
    {"SBToEnd", "PlService", 182, "Последнее измерение"},
    {"SBHelp", "Panel1", 620, "Помощь"},
    {"SBPrintSetup", "Panel3", 2, "Настройка принтера"},
    {"SBColor", "Panel3", 28, "Настройка цветов"},
};

struct ValueSpec {
    const char* name;
    QRect geometry;
    Qt::Alignment horizontal;
};

const ValueSpec kValues[] = {
    {"Count", {95, 16, 55, 17}, Qt::AlignRight},     {"NIsm", {95, 41, 55, 17}, Qt::AlignRight},
    {"TimIsm", {95, 66, 55, 17}, Qt::AlignRight},    {"TimBeg", {278, 16, 95, 17}, Qt::AlignHCenter},
    {"TimEnd", {278, 41, 95, 17}, Qt::AlignHCenter}, {"lblActiv", {278, 66, 95, 17}, Qt::AlignHCenter},
    {"usrznach", {512, 16, 105, 17}, Qt::AlignLeft}, {"usrnach", {464, 52, 46, 17}, Qt::AlignLeft},
    {"usrkon", {584, 52, 40, 17}, Qt::AlignLeft},    {"lblNpr", {450, 77, 36, 17}, Qt::AlignLeft},
    {"lblSw", {548, 80, 153, 17}, Qt::AlignLeft},
};

struct CaptionSpec {
    const char* name;
    QPoint at;
    const char* text;
};

const CaptionSpec kCaptions[] = {
    {"Label4", {4, 16}, "Кол-во изм."},
    {"Label1", {4, 41}, " Номер изм."},
    {"Label9", {4, 66}, "Экспозиция, с"},
    {"Label5", {185, 16}, "Время начала"},
    {"Label8", {185, 41}, "Время оконч."},
    {"Label6", {155, 66}, "Активность, Бк/м  "},
    {"Label7", {265, 56}, "3"},
    {"Label2", {424, 16}, "Усредненное значение "},
    {"Label3", {624, 16}, " Бк/м   "},
    {"Label10", {664, 8}, "3"},
    {"Label14", {432, 52}, "от:"},
    {"Label11", {520, 52}, "изм.  до:"},
    {"Label13", {640, 52}, "изм."},
    {"Label15", {383, 80}, "N прибора"},
    {"Label16", {490, 80}, "Чувствит"},
};

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

TEST_F(GuiTest, MainWindowHasItsCaptionSizeAndBorder) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Визуализация данных"));
    EXPECT_TRUE(form->isVisible());
    const int clientHeight = form->height() - form->menuBar()->height();
    EXPECT_EQ(QSize(form->width(), clientHeight), QSize(707, 499));
    // The design size is the least the window can be; it can be maximised (see MaximiseTest).
    EXPECT_EQ(form->minimumSize(), form->size());
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(form->windowIcon().isNull());

    EXPECT_EQ(form->toolbar->height(), 39);
    EXPECT_EQ(form->graphWidget->size(), QSize(707, 328));
    EXPECT_EQ(form->graphWidget->mapTo(form, QPoint(0, 0)).y(), form->menuBar()->height() + 39);
    EXPECT_EQ(form->infoPanel->size(), QSize(707, 110));
    EXPECT_EQ(form->statusPanels->height(), 22);
    EXPECT_EQ(form->statusPanels->findChild<QLabel*>(QStringLiteral("Panel0"))->width(), 230);
    EXPECT_EQ(form->statusPanels->findChild<QLabel*>(QStringLiteral("Panel1"))->width(), 470);
}

TEST_F(GuiTest, ToolbarButtonsStandAtTheirPlacesWithTheirHints) {
    EXPECT_EQ(form->servicePanel->geometry().x(), 184);
    EXPECT_EQ(form->servicePanel->width(), 216);
    EXPECT_EQ(form->settingsPanel->width(), 56);
    EXPECT_EQ(form->settingsPanel->geometry().right(), form->toolbar->width() - 2); // against the right edge
    for (const ButtonSpec& expected : kButtons) {
        SCOPED_TRACE(expected.name);
        const auto* button = form->findChild<QToolButton*>(expected.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget()->objectName(), QString::fromLatin1(expected.panel));
        EXPECT_EQ(button->x(), expected.x);
        EXPECT_EQ(button->size(), QSize(25, 25));
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(expected.hint));
        EXPECT_TRUE(button->autoRaise());
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->isCheckable(), QLatin1String(expected.name) == QLatin1String("SBSetka"));
    }
}

TEST_F(GuiTest, MainMenuHasEveryItemInOrder) {
    const QList<QAction*> top = form->menuBar()->actions();
    QStringList headings;
    for (const QAction* action : top)
        headings << action->text();
    EXPECT_EQ(headings, QStringList({"&Файл", "Просмотр", "&Настройка", "&Помощь"}));
    EXPECT_EQ(top.last()->menu(), nullptr);
    EXPECT_EQ(MenuTexts(form->fileMenu),
              QStringList({"&Открыть", "Связь с прибором", "Сохранить таблицу", "Сохранить рисунок…", "-",
                           "Печать", "Отчёт PDF…", "-", "&Выход"}));
    EXPECT_EQ(MenuTexts(form->printMenu), QStringList({"Таблица", "График"}));
    EXPECT_EQ(MenuTexts(form->viewMenu),
              QStringList({"Серия", "Таблица", "Первое измерение", "След.измерение", "Предыдущ.измерение",
                           "Последнее измерение", "Увеличение", "Первоначальный вид", "Усреднение",
                           "Скользящее среднее"}));
    EXPECT_EQ(MenuTexts(form->settingsMenu),
              QStringList({"&Принтера", "Палитры", "Единицы", "Опорные уровни…"}));
    EXPECT_EQ(MenuTexts(form->commands.unitsSubmenu->menu()), QStringList({"Бк/м³", "пКи/л"}));
}

// A value shows on white; a caption on the panel's own background.
static bool IsValueLabel(const QWidget* widget) {
    return widget->autoFillBackground() &&
           widget->palette().color(widget->backgroundRole()) == QColor(Qt::white);
}

TEST_F(GuiTest, InformationPanelLabelsStandAtTheirPlaces) {
    for (const ValueSpec& expected : kValues) {
        SCOPED_TRACE(expected.name);
        const auto* label = form->infoPanel->findChild<QLabel*>(expected.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), expected.geometry);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, expected.horizontal);
        EXPECT_TRUE(IsValueLabel(label));
    }
    for (const CaptionSpec& expected : kCaptions) {
        SCOPED_TRACE(expected.name);
        const auto* label = form->infoPanel->findChild<QLabel*>(expected.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pos(), expected.at);
        EXPECT_EQ(label->text(), QString::fromUtf8(expected.text));
        EXPECT_FALSE(IsValueLabel(label));
    }
    const auto* exponent = form->infoPanel->findChild<QLabel*>("Label7");
    EXPECT_EQ(exponent->font().pixelSize(), 15);
    EXPECT_TRUE(exponent->font().bold());
    EXPECT_EQ(exponent->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(form->infoPanel->findChild<QLabel*>("Label2")->size(), QSize(80, 26));
    EXPECT_EQ(form->infoPanel->divider->x(), 378);
    EXPECT_EQ(form->infoPanel->divider->height(), 89);
}

TEST_F(GuiTest, WindowsUseABoldElevenPixelSansSerifFont) {
    for (const QWidget* window : {static_cast<QWidget*>(form), static_cast<QWidget*>(form->colorDialog())}) {
        EXPECT_EQ(window->font().pixelSize(), 11);
        EXPECT_TRUE(window->font().bold());
        EXPECT_EQ(window->font().styleHint(), QFont::SansSerif);
    }
    EXPECT_EQ(form->openButton->font().pixelSize(), 11);
}

TEST_F(GuiTest, SecondaryWindowsAreCreatedHiddenBesideTheShownMainWindow) {
    EXPECT_TRUE(form->isVisible());
    ASSERT_NE(form->colorDialog(), nullptr);
    ASSERT_NE(form->seriesListWindow(), nullptr);
    EXPECT_FALSE(form->colorDialog()->isVisible());
    EXPECT_FALSE(form->seriesListWindow()->isVisible());
    EXPECT_TRUE(form->seriesListWindow()->isWindow());
    EXPECT_TRUE(form->colorDialog()->isWindow());
}
