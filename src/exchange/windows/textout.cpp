#include "exchange/windows/textout.h"

#include "app/filechooser.h"
#include "app/frame.h"
#include "app/prompter.h"
#include "controls/checkboxr.h"
#include "data/fileio.h"
#include "entry/formfont.h"
#include "exchange/csvexport.h"
#include "exchange/exchangetexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fenlo {


TFrmTextOut::TFrmTextOut(QWidget *parent)
    : QWidget(parent), CbxHyoudai(new TCheckBoxR(QStringLiteral("表題を出力する"), this)),
      SpeedButton1(new QPushButton(QStringLiteral("開始(&K)"), this)),
      SpeedButton2(new QPushButton(QStringLiteral("終了(&E)"), this))
{
    setWindowTitle(QStringLiteral("テキスト出力"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    CbxHyoudai->setObjectName(QStringLiteral("CbxHyoudai"));
    CbxHyoudai->setChecked(true);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(QStringLiteral("処理を開始します"));
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setToolTip(QStringLiteral("このフォームを閉じます"));
    connect(SpeedButton1, &QPushButton::clicked, this,
            [this] { Prompter::guarded([this] { SpeedButton1Click(); }); });
    connect(SpeedButton2, &QPushButton::clicked, this, [this] { TFrmFenloMenu::closeChild(this); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CbxHyoudai);
    buttons->addStretch();
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 14, 12, 10);
    layout->addWidget(new QLabel(QStringLiteral("この処理は、データをＣＳＶファイルに出力します。"), this));
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(355, 110);
}

void TFrmTextOut::SpeedButton1Click()
{
    FileChooser::Request request{QString::fromUtf8(msg::CsvDefaultSuffix), qtFileFilter(QString::fromUtf8(msg::CsvFilter)),
                                 QString(), false};
    std::optional<QString> path = FileChooser::current().saveFile(request);
    if (!path)
        return;
    const std::string target = path->toStdString();
    if (fileExists(target) &&
        !Prompter::warningYesNo(QString::fromStdString(msg::overwriteQuestion(target)))) {
        repaint();
        return;
    }
    repaint();
    CsvSave(FrmFenloMenu->book(), CbxHyoudai->isChecked(), target);
}

} // namespace fenlo
