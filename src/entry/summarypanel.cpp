#include "entry/summarypanel.h"

#include "reports/summary.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace fenlo {
namespace {

constexpr int CellWidth = 97;

QLabel *cell(QWidget *parent, const QString &text, const QColor &background, Qt::Alignment align)
{
    auto *label = new QLabel(text, parent);
    label->setFixedWidth(CellWidth);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::Box);
    label->setContentsMargins(2, 0, 2, 0);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace

SummaryPanel::SummaryPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PnlGoukei"));
    setFixedHeight(107);
    auto *table = new QGridLayout;
    table->setSpacing(0);
    const QColor white = Qt::white;
    const QString figures[] = {QStringLiteral("kyori"), QStringLiteral("ryou"),
                               QStringLiteral("kingaku"), QStringLiteral("nenpi")};
    const GridText captions = summaryCells(Summary{});
    table->addWidget(cell(this, QString(), white, Qt::AlignLeft), 0, 0);
    for (int f = 0; f < 4; ++f)
        table->addWidget(
            cell(this, QString::fromStdString(captions.titles()[f + 1]), white, Qt::AlignHCenter),
            0, f + 1);
    const QString lineLetters[] = {QStringLiteral("G"), QStringLiteral("K"), QStringLiteral("T"),
                                   QStringLiteral("H")};
    for (int line = 0; line < 4; ++line) {
        // The highest and average lines stand out from the total and lowest ones.
        const QColor background = line % 2 == 1 ? LightYellow : white;
        table->addWidget(
            cell(this, QString::fromStdString(captions.cell(line, 0)), background, Qt::AlignLeft),
            line + 1, 0);
        for (int f = 0; f < 4; ++f) {
            QLabel *value = cell(this, QStringLiteral("0"), background, Qt::AlignRight);
            value->setObjectName(QStringLiteral("Lbl") + lineLetters[line] + figures[f]);
            values_[line][f] = value;
            table->addWidget(value, line + 1, f + 1);
        }
    }

    auto *countCaption = new QLabel(QStringLiteral("件数"), this);
    Lblkensuu =
        cell(this, QStringLiteral("0"), palette().color(QPalette::ToolTipBase), Qt::AlignRight);
    Lblkensuu->setObjectName(QStringLiteral("Lblkensuu"));
    Lblkensuu->setFixedWidth(60);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);
    row->addLayout(table);
    row->addSpacing(12);
    row->addWidget(countCaption, 0, Qt::AlignBottom);
    row->addWidget(Lblkensuu, 0, Qt::AlignBottom);
    row->addStretch();
}

void SummaryPanel::display(const Summary &summary)
{
    const GridText cells = summaryCells(summary);
    for (int line = 0; line < 4; ++line)
        for (int f = 0; f < 4; ++f)
            values_[line][f]->setText(QString::fromStdString(cells.cell(line, f + 1)));
    Lblkensuu->setText(QString::fromStdString(countCell(summary)));
}

} // namespace fenlo
