#include "ui/prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace fenlo {
namespace {

Prompter *installed = nullptr;

// The window a box belongs to. Right after a dialog closes no window is active until the window
// manager hands the focus back, and a box without a parent would open wherever the window
// manager puts new windows, with the borders of a main window; the top window of the program
// is then its owner.
QWidget *boxParent()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->inherits("QMainWindow"))
            return top;
    }
    return nullptr;
}

} // namespace

Prompter &Prompter::current()
{
    static MessageBoxPrompter messageBoxes;
    return installed ? *installed : messageBoxes;
}

void Prompter::install(Prompter *prompter)
{
    installed = prompter;
}

void Prompter::warning(const QString &text)
{
    current().ask({Kind::Warning, text, Buttons::Ok});
}

bool Prompter::warningYesNo(const QString &text)
{
    return current().ask({Kind::Warning, text, Buttons::YesNo}) == Answer::Yes;
}

bool Prompter::confirm(const QString &text)
{
    return current().ask({Kind::Confirmation, text, Buttons::YesNo}) == Answer::Yes;
}

void Prompter::information(const QString &text)
{
    current().ask({Kind::Information, text, Buttons::YesOnly});
}

void Prompter::plain(const QString &text)
{
    current().ask({Kind::Plain, text, Buttons::Ok});
}

QString Prompter::errorText(const QString &text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

void Prompter::error(const QString &text)
{
    current().ask({Kind::Error, errorText(text), Buttons::Ok});
}

void Prompter::guarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::exception &e) {
        error(QString::fromUtf8(e.what()));
    }
}

Prompter::Answer MessageBoxPrompter::ask(const Box &box)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (box.kind) {
    case Kind::Warning:
        icon = QMessageBox::Warning;
        break;
    case Kind::Confirmation:
        icon = QMessageBox::Question;
        break;
    case Kind::Information:
        icon = QMessageBox::Information;
        break;
    case Kind::Plain:
        break;
    case Kind::Error:
        icon = QMessageBox::Critical;
        break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (box.buttons == Buttons::YesNo)
        buttons = QMessageBox::Yes | QMessageBox::No;
    else if (box.buttons == Buttons::YesOnly)
        buttons = QMessageBox::Yes;
    // The program's texts break lines with a lone CR, which Qt does not show as a break.
    QString text = box.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox message(icon, applicationTitle(), text, buttons, boxParent());
    if (QAbstractButton *yes = message.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("はい(&Y)"));
    if (QAbstractButton *no = message.button(QMessageBox::No))
        no->setText(QStringLiteral("いいえ(&N)"));
    switch (message.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

} // namespace fenlo
