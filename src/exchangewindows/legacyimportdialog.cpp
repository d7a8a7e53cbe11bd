#include "exchangewindows/legacyimportdialog.h"

#include "data/fileio.h"
#include "data/logbook.h"
#include "exchange/exchangetexts.h"
#include "exchange/legacyimport.h"
#include "exchangewindows/filenames.h"
#include "exchangewindows/panelbutton.h"
#include "ui/filechooser.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace fenlo {
namespace {

constexpr int PathLength = 200;
constexpr QSize ButtonSize(75, 25);

QLabel *text(QWidget *parent, const char *utf8)
{
    return new QLabel(QString::fromUtf8(utf8), parent);
}

void showWrongPath(QLineEdit *field)
{
    Prompter::plain(QString::fromUtf8(msg::LegacyWrongPath));
    field->setFocus();
}

} // namespace

LegacyImportDialog::LegacyImportDialog(Logbook &book, QWidget *parent)
    : QDialog(parent), book_(book), pathEdit(new QLineEdit(this)),
      browseButton(new QToolButton(this)),
      startButton(panelButton(this, QStringLiteral("Button1"), QStringLiteral("開始(&K)"),
                              QStringLiteral("処理を開始します"), ButtonSize)),
      endButton(panelButton(this, QStringLiteral("Button2"), QStringLiteral("終了(&E)"),
                            QStringLiteral("このフォームを閉じます"), ButtonSize))
{
    setObjectName(QStringLiteral("FrmHenkan"));
    setWindowTitle(QStringLiteral("旧データの読み込み"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));

    // A plain field, not the logbook's text field: a path may hold characters that the
    // logbook's code page cannot.
    pathEdit->setObjectName(QStringLiteral("Edit1"));
    pathEdit->setMaxLength(PathLength);
    browseButton->setObjectName(QStringLiteral("SpeedButton1"));
    browseButton->setText(QStringLiteral("参照"));
    browseButton->setFocusPolicy(Qt::NoFocus);
    browseButton->setFixedSize(50, 22);
    connect(browseButton, &QToolButton::clicked, this,
            [this] { Prompter::guarded([this] { browse(); }); });
    connect(startButton, &QPushButton::clicked, this,
            [this] { Prompter::guarded([this] { startImport(); }); });
    connect(endButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *path = new QGridLayout;
    path->setHorizontalSpacing(4);
    path->addWidget(text(this, "旧データのパス"), 0, 0);
    path->addWidget(pathEdit, 1, 0);
    path->addWidget(browseButton, 1, 1);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 8);
    body->setSpacing(4);
    body->addWidget(text(this, "この処理は「ふぇんろ」for Windows Ver1.0のデータを読み込みます"));
    body->addSpacing(6);
    body->addWidget(text(this, "旧データのパスの欄にはVer1.0のフォルダのフルパス+nenpi.datを"));
    body->addWidget(text(this, "入力してください。"));
    body->addWidget(text(this, "例：c:\\fenlo\\nenpi.dat"));
    body->addSpacing(6);
    body->addLayout(path);
    body->addSpacing(6);
    body->addWidget(text(this, "読み込んだ後にデータの保存をして、次回からはそのデータを"));
    body->addWidget(text(this, "使用してください。"));
    body->addStretch();

    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto *buttons = new QHBoxLayout(panel);
    buttons->setContentsMargins(8, 6, 8, 6);
    buttons->addStretch();
    buttons->addWidget(startButton);
    buttons->addWidget(endButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(panel);
    setFixedSize(465, 228);
}

void LegacyImportDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen()) {
        QRect area = s->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

void LegacyImportDialog::setPath(const QString &path)
{
    pathEdit->setMaxLength(std::max<int>(PathLength, path.size()));
    pathEdit->setText(path);
}

void LegacyImportDialog::browse()
{
    const FileChooser::Request request{QString(), qtFileFilter(msg::LegacyFilter), QString(),
                                       false};
    if (std::optional<QString> path = FileChooser::current().openFile(request))
        setPath(*path);
}

void LegacyImportDialog::startImport()
{
    const std::string path = localPath(pathEdit->text());
    if (!fileExists(path)) {
        showWrongPath(pathEdit);
        return;
    }
    if (!Prompter::confirm(QString::fromUtf8(msg::LegacyConfirmStart)))
        return;
    // The import builds the new logbook apart and swaps it in only when every file was read,
    // so a broken file leaves the open logbook as it was.
    if (importLegacy(book_, path) == ImportResult::WrongPath) {
        showWrongPath(pathEdit); // gone since the check above
        return;
    }
    Q_EMIT logbookReplaced();
    Prompter::plain(QString::fromUtf8(msg::LegacyFinished));
    accept();
}

} // namespace fenlo
