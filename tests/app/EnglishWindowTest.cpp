// The viewer as a user whose language is English meets it (LANG=en_US.UTF-8): every text of the window,
// its menus, the table, the dialogs and the span's panel reads in English, and every caption holds its
// English text in the place the Russian design gives it.

#include "tests/app/GuiFixture.h"

#include "app/commands/ReadingCommands.h"
#include "app/dialogs/HelpViewer.h"
#include "app/dialogs/LevelsDialog.h"
#include "app/dialogs/colors/ColorDialog.h"
#include "app/program/Translations.h"
#include "app/span/SpanCommands.h"
#include "app/span/SpanPanel.h"
#include "app/window/GraphWidget.h"
#include "app/window/InfoPanel.h"
#include "app/window/StatusPanels.h"
#include "app/window/ValueLabel.h"
#include "store/MeasurementReadout.h"
#include "table/MeasurementTableWindow.h"

#include <QAbstractSpinBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

bool HasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

void AddActionTexts(const QList<QAction*>& actions, QStringList& texts) {
    for (const QAction* action : actions) {
        texts << action->text() << action->toolTip();
        if (action->menu())
            AddActionTexts(action->menu()->actions(), texts);
    }
}

// Every text a user reads on the window and on its children shown: titles, captions, buttons, hints,
// placeholders, column titles and the menus' items.
QStringList ShownTexts(QWidget* window) {
    QStringList texts{window->windowTitle(), window->toolTip()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        texts << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            texts << line->placeholderText();
        if (auto* spin = qobject_cast<QSpinBox*>(widget))
            texts << spin->suffix();
        if (auto* header = qobject_cast<QHeaderView*>(widget))
            for (int c = 0; c < header->count(); ++c)
                texts << header->model()->headerData(c, header->orientation()).toString();
        if (auto* bar = qobject_cast<QMenuBar*>(widget))
            AddActionTexts(bar->actions(), texts);
        AddActionTexts(widget->actions(), texts);
    }
    return texts;
}

// The captions and buttons that their place cuts: a caption of the information panel that had to be
// made smaller, a label or button narrower than its text in its own font. Value labels hold data, and the
// toolbar's buttons show only their glyphs.
QStringList ClippedTexts(QWidget* window) {
    QStringList clipped;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || dynamic_cast<ValueLabel*>(label) || label->text().isEmpty())
            continue;
        const bool whole = dynamic_cast<CaptionLabel*>(label)
                               ? dynamic_cast<CaptionLabel*>(label)->shown().whole
                               : label->wordWrap() || label->fontMetrics().horizontalAdvance(label->text()) <=
                                                          label->contentsRect().width();
        if (!whole)
            clipped << label->text();
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const auto* tool = qobject_cast<QToolButton*>(button);
        if (!button->isVisibleTo(window) || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            continue;
        // A push button's hint keeps a least width of the style's; its text needs less.
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        const int needed = qobject_cast<QPushButton*>(button)
                               ? button->fontMetrics().horizontalAdvance(button->text()) + icon + 8
                               : button->sizeHint().width();
        if (needed > button->width())
            clipped << button->text();
    }
    return clipped;
}

class EnglishWindow : public GuiTest {
protected:
    void SetUp() override {
        russianLocale_ = qgetenv("LC_ALL");
        qunsetenv("LC_ALL");
        qputenv("LANG", "en_US.UTF-8");
        GuiTest::SetUp();
        openThroughDialog(writeFile(QStringLiteral("cellar.rad"), OneSeriesFile()));
        ASSERT_TRUE(form->document().seriesShown());
    }
    // The other tests see the Russian program again.
    void TearDown() override {
        GuiTest::TearDown();
        qputenv("LC_ALL", russianLocale_);
        qunsetenv("LANG");
        InstallTranslations(QStringLiteral("ru"));
    }

    QByteArray russianLocale_;
};

TEST_F(EnglishWindow, ShowsNoRussianText) {
    QStringList texts = ShownTexts(form);
    form->tableButton->click();
    texts << ShownTexts(form->tableWindow());
    ColorDialog* colors = form->colorDialog();
    colors->show();
    texts << ShownTexts(colors);
    LevelsDialog* levels = form->readingCommands().levelsDialog();
    levels->show();
    texts << ShownTexts(levels);
    levels->hide();
    form->document().markSpan(1, 3);
    SpanPanel* span = form->spanCommands().panel();
    ASSERT_TRUE(span->isVisible());
    texts << ShownTexts(span);
    for (const SpanFigureRow& row : span->rows())
        texts << row.name << row.value;
    for (int k : {0, 2})
        for (const QString& cell : form->tableModel().rowTexts(k))
            texts << cell;
    form->zoomButton->click();
    texts << form->statusPanels->panelText(1);
    texts << MeasurementReadout(form->store().selected, 2);

    for (const QString& text : texts)
        EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();
    EXPECT_EQ(form->windowTitle().toStdString(), "Data visualisation");
    EXPECT_EQ(form->fileMenu->title().toStdString(), "&File");
    EXPECT_EQ(form->infoPanel->activityCaption->text().toStdString(), "Activity, Bq/m³");
    EXPECT_FALSE(form->infoPanel->activityExponent->isVisibleTo(form))
        << "the English caption writes its unit whole: no raised 3 beside it";
}

TEST_F(EnglishWindow, HelpShowsTheEnglishPage) {
    form->helpButton->click();
    auto* viewer = form->findChild<HelpViewer*>("HelpViewer");
    ASSERT_NE(viewer, nullptr);
    const QTextDocument& page = *viewer->browser()->document();
    EXPECT_EQ(page.baseUrl().fileName().toStdString(), "help-en.hlp");
    EXPECT_EQ(page.metaInformation(QTextDocument::DocumentTitle).toStdString(), "Data visualisation — help");
    EXPECT_TRUE(page.toPlainText().startsWith(QStringLiteral("Data visualisation\n")));
    EXPECT_TRUE(DocumentHasAnchor(page, "About_Clearscan32"));
    EXPECT_FALSE(HasCyrillic(page.toPlainText()));
    EXPECT_FALSE(HasCyrillic(viewer->windowTitle()));
}

TEST_F(EnglishWindow, EveryCaptionHoldsItsText) {
    ColorDialog* colors = form->colorDialog();
    colors->show();
    LevelsDialog* levels = form->readingCommands().levelsDialog();
    levels->show();
    for (QWidget* window :
         {static_cast<QWidget*>(form), static_cast<QWidget*>(colors), static_cast<QWidget*>(levels)})
        EXPECT_EQ(ClippedTexts(window).join(QStringLiteral(" | ")).toStdString(), "")
            << window->objectName().toStdString();
    levels->hide();
    // The prompts are shown whole, not shortened in the middle: both of the zoom, then the open command's.
    const auto whole = [this](int panel) {
        const QLabel* label = form->statusPanels->findChild<QLabel*>(QStringLiteral("Panel%1").arg(panel));
        EXPECT_EQ(label->text(), form->statusPanels->panelText(panel));
        return label->text().toStdString();
    };
    form->zoomButton->click();
    EXPECT_EQ(whole(1), "Mark with the mouse the part of the graph to show ");
    QTest::mouseClick(form->graphWidget, Qt::LeftButton, {}, form->graphWidget->rect().center());
    EXPECT_EQ(whole(1), "Click the other edge of the part");
    cancelOpenDialog();
    EXPECT_EQ(whole(0), "Open a file to view");
}

} // namespace
