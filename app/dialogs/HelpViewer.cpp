#include "app/dialogs/HelpViewer.h"

#include <QDir>
#include <QFile>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Помощь"));
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(620, 520);
    // Escape closes the help as its close box does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

bool HelpViewer::showTopic(const QString& fileName, const QString& topic) {
    const QString path = QDir(folder_).filePath(fileName);
    QFile file(path);
    bool shown = false;
    if (!file.open(QIODevice::ReadOnly)) {
        showProblem(tr("Файл помощи «%1» не найден в папке программы (%2).")
                        .arg(fileName, QDir::toNativeSeparators(folder_)));
    } else {
        // The help is HTML whatever its name says; its pictures and links resolve beside it.
        browser_->document()->setBaseUrl(QUrl::fromLocalFile(path));
        browser_->setHtml(QString::fromUtf8(file.readAll()));
        shown = DocumentHasAnchor(*browser_->document(), topic);
        if (shown)
            browser_->scrollToAnchor(topic);
        else
            showProblem(tr("В файле помощи «%1» нет раздела «%2».").arg(fileName, topic));
    }
    show();
    raise();
    activateWindow();
    return shown;
}

void HelpViewer::showProblem(const QString& text) {
    browser_->setPlainText(text);
}

bool DocumentHasAnchor(const QTextDocument& document, const QString& name) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name))
                return true;
    }
    return false;
}
