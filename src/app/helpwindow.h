#pragma once

#include <QMainWindow>
#include <QUrl>

class QTextBrowser;

namespace fenlo {

// The program's help: Japanese HTML pages compiled into the program, shown in a browser with
// a contents page, links between the pages and back, forward and contents buttons.
class HelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    QTextBrowser *browser() const { return browser_; }
    // Shows the contents page.
    void showContents();

private:
    QTextBrowser *browser_;
};

// The help file: its contents page.
QUrl helpContentsUrl();

// Opens the help at its contents, reusing the help window when one is already open.
HelpWindow *showHelpContents(QWidget *parent);

} // namespace fenlo
