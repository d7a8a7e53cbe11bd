#include "exchangewindows/legacyimportdialog.h"

#include "ui/filechooser.h"
#include "app/mainwindow.h"
#include "ui/prompter.h"
#include "data/fileio.h"
#include "ui/formfont.h"
#include "exchange/exchangetexts.h"
#include "exchange/legacyimport.h"
#include "exchangewindows/filenames.h"

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

QLabel *text(QWidget *parent, const char *utf8)
{
    return new QLabel(QString::fromUtf8(utf8), parent);
}

QPushButton *panelButton(QWidget *parent, const QString &name, const QString &caption,
                         const QString &hint)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    button->setFixedSize(75, 25);
    return button;
}

void showWrongPath(QLineEdit *field)
{
    Prompter::plain(QString::fromUtf8(msg::LegacyWrongPath));
    field->setFocus();
}

} // namespace

LegacyImportDialog::LegacyImportDialog(QWidget *parent)
    : QDialog(parent), Edit1(new QLineEdit(this)), SpeedButton1(new QToolButton(this)),
      Button1(panelButton(this, QStringLiteral("Button1"), QStringLiteral("開始(&K)"),
                          QStringLiteral("処理を開始します"))),
      Button2(panelButton(this, QStringLiteral("Button2"), QStringLiteral("終了(&E)"),
                          QStringLiteral("このフォームを閉じます")))
{
    FrmHenkan = this;
    setObjectName(QStringLiteral("FrmHenkan"));
    setWindowTitle(QStringLiteral("旧データの読み込み"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));

    // A plain field, not the logbook's text field: a path may hold characters that the
    // logbook's code page cannot.
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(PathLength);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("参照"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setFixedSize(50, 22);
    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { Prompter::guarded([this] { SpeedButton1Click(); }); });
    connect(Button1, &QPushButton::clicked, this,
            [this] { Prompter::guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *path = new QGridLayout;
    path->setHorizontalSpacing(4);
    path->addWidget(text(this, "旧データのパス"), 0, 0);
    path->addWidget(Edit1, 1, 0);
    path->addWidget(SpeedButton1, 1, 1);

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
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

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
    Edit1->setMaxLength(std::max<int>(PathLength, path.size()));
    Edit1->setText(path);
}

void LegacyImportDialog::SpeedButton1Click()
{
    const FileChooser::Request request{QString(), qtFileFilter(msg::LegacyFilter), QString(),
                                       false};
    if (std::optional<QString> path = FileChooser::current().openFile(request))
        setPath(*path);
}

void LegacyImportDialog::Button1Click()
{
    const std::string path = localPath(Edit1->text());
    if (!fileExists(path)) {
        showWrongPath(Edit1);
        return;
    }
    if (!Prompter::confirm(QString::fromUtf8(msg::LegacyConfirmStart)))
        return;
    // The import builds the new logbook apart and swaps it in only when every file was read,
    // so a broken file leaves the open logbook as it was.
    if (importLegacy(FrmFenloMenu->book(), path) == ImportResult::WrongPath) {
        showWrongPath(Edit1); // gone since the check above
        return;
    }
    FrmFenloMenu->updateCaption();
    FrmFenloMenu->showShamei();
    Prompter::plain(QString::fromUtf8(msg::LegacyFinished));
    accept();
}

} // namespace fenlo
