#pragma once

#include <QCoreApplication>
#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's help window: a text browser over the HTML help file that lies beside the executable.
class HelpViewer : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(HelpViewer)

public:
    // folder: where a bare help file name is looked for; the program passes its own folder.
    explicit HelpViewer(const QString& folder, QWidget* parent = nullptr);

    // Opens fileName (a bare name) at the anchor topic and shows the window. When the file or the topic is
    // missing the window says so instead. Answers whether the topic is on screen.
    bool showTopic(const QString& fileName, const QString& topic);

    QTextBrowser* browser() const { return browser_; }

private:
    void showProblem(const QString& text);

    QString folder_;
    QTextBrowser* browser_;
};

// True when the document holds an anchor of that name.
bool DocumentHasAnchor(const class QTextDocument& document, const QString& name);
