#include "exchangewindows/csvexportwindow.h"

#include "controls/checkfield.h"
#include "data/logbook.h"
#include "exchange/csvexport.h"
#include "exchange/exchangetexts.h"
#include "exchangewindows/filenames.h"
#include "ui/childwindow.h"
#include "ui/filechooser.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace fenlo {
namespace {

QToolButton *speedButton(QWidget *parent, const QString &name, const QString &caption,
                         const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(75, 25);
    return button;
}

} // namespace

CsvExportWindow::CsvExportWindow(const Logbook &book, QWidget *parent)
    : QWidget(parent), titleBox(new CheckField(QStringLiteral("表題を出力する"), this)),
      startButton(speedButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("開始(&K)"),
                              QStringLiteral("処理を開始します"))),
      endButton(speedButton(this, QStringLiteral("SpeedButton2"), QStringLiteral("終了(&E)"),
                            QStringLiteral("このフォームを閉じます"))),
      book_(book)
{
    setWindowTitle(QStringLiteral("テキスト出力"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));

    titleBox->setObjectName(QStringLiteral("CbxHyoudai"));
    titleBox->setChecked(true);
    connect(startButton, &QToolButton::clicked, this,
            [this] { Prompter::guarded([this] { exportCsv(); }); });
    connect(endButton, &QToolButton::clicked, this, [this] { closeWindow(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton);
    buttons->addWidget(endButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 10);
    layout->addWidget(
        new QLabel(QStringLiteral("この処理は、データをＣＳＶファイルに出力します。"), this));
    layout->addSpacing(6);
    layout->addWidget(titleBox);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(355, 110);
}

void CsvExportWindow::exportCsv()
{
    // The window asks about an existing file itself, with the whole path in the question.
    const FileChooser::Request request{QString::fromUtf8(msg::CsvDefaultSuffix),
                                       qtFileFilter(msg::CsvFilter), QString(), false};
    std::optional<QString> path = FileChooser::current().saveFile(request);
    if (!path)
        return;
    const QFileInfo target(*path);
    if (target.exists()) {
        const std::string full = target.absoluteFilePath().toStdString();
        if (!Prompter::warningYesNo(QString::fromStdString(msg::overwriteQuestion(full)))) {
            repaint();
            return;
        }
    }
    repaint();
    saveCsv(book_, titleBox->isChecked(), localPath(*path));
}

void CsvExportWindow::closeWindow()
{
    closeWithFrame(this);
}

} // namespace fenlo
