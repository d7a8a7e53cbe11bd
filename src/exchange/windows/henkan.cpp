#include "exchange/windows/henkan.h"

#include "app/filechooser.h"
#include "app/frame.h"
#include "app/prompter.h"
#include "controls/editrr.h"
#include "data/fileio.h"
#include "entry/formfont.h"
#include "exchange/exchangetexts.h"
#include "exchange/legacyimport.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace fenlo {

TFrmHenkan::TFrmHenkan(QWidget *parent)
    : QDialog(parent), Edit1(new TEditRR(this)), SpeedButton1(new QToolButton(this)),
      Button1(new QPushButton(QStringLiteral("開始(&K)"), this)),
      Button2(new QPushButton(QStringLiteral("終了(&E)"), this))
{
    setWindowTitle(QStringLiteral("旧データの読み込み"));
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    setModal(true);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(200);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("参照"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("処理を開始します"));
    Button1->setAutoDefault(false);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setToolTip(QStringLiteral("このフォームを閉じます"));
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this,
            [this] { Prompter::guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 8);
    auto text = [this, layout](const char *line) {
        layout->addWidget(new QLabel(QString::fromUtf8(line), this));
    };
    text("この処理は「ふぇんろ」for Windows Ver1.0のデータを読み込みます");
    layout->addSpacing(6);
    text("旧データのパスの欄にはVer1.0のフォルダのフルパス+nenpi.datを");
    text("入力してください。");
    text("例：c:\\fenlo\\nenpi.dat");
    layout->addSpacing(6);
    text("旧データのパス");
    auto *path = new QHBoxLayout;
    path->addWidget(Edit1, 1);
    path->addWidget(SpeedButton1);
    layout->addLayout(path);
    layout->addSpacing(6);
    text("読み込んだ後にデータの保存をして、次回からはそのデータを");
    text("使用してください。");
    layout->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    setFixedSize(465, 228);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrmHenkan::SpeedButton1Click()
{
    FileChooser::Request request{QString(), qtFileFilter(QString::fromUtf8(msg::LegacyFilter)),
                                 QString(), false};
    if (std::optional<QString> path = FileChooser::current().openFile(request))
        Edit1->setText(*path);
}

void TFrmHenkan::Button1Click()
{
    const std::string path = Edit1->text().toStdString();
    if (!fileExists(path)) {
        Prompter::plain(QString::fromUtf8(msg::LegacyWrongPath));
        Edit1->setFocus();
        return;
    }
    if (!Prompter::confirm(QString::fromUtf8(msg::LegacyConfirmStart)))
        return;
    // A failure throws before the open logbook is touched; the dialog then stays open.
    if (importLegacy(FrmFenloMenu->book(), path) != ImportResult::Imported) {
        Prompter::plain(QString::fromUtf8(msg::LegacyWrongPath));
        return;
    }
    FrmFenloMenu->updateCaption();
    FrmFenloMenu->showShamei();
    Prompter::plain(QString::fromUtf8(msg::LegacyFinished));
    accept();
}

} // namespace fenlo
