#include "reportwindows/summarypanel.h"

#include "reports/summary.h"

#include <QGridLayout>
#include <QLabel>

namespace fenlo {
namespace {

constexpr int CellWidth = 97;
constexpr int LineHeight = 18;
const QColor PaleYellow{255, 255, 237};

QLabel *cellLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFixedSize(CellWidth, LineHeight);
    return label;
}

QLabel *figureLabel(const QString &name, const QColor &background, QWidget *parent)
{
    QLabel *label = cellLabel(QStringLiteral("0"), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    return label;
}

} // namespace

SummaryPanel::SummaryPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel2"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFixedHeight(107);

    // The captions come from the core's text of an empty summary, so they match the CLI.
    const GridText captions = summaryCells(Summary{});
    auto *table = new QFrame(this);
    table->setObjectName(QStringLiteral("Panel3"));
    table->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    table->setGeometry(8, 8, 488, 92);
    auto *cells = new QGridLayout(table);
    cells->setContentsMargins(1, 1, 1, 1);
    cells->setSpacing(0);
    for (int c = 0; c < captions.columns(); ++c) {
        QLabel *caption = cellLabel(
            QString::fromStdString(captions.titles()[static_cast<std::size_t>(c)]), table);
        caption->setAlignment(Qt::AlignCenter);
        cells->addWidget(caption, 0, c);
    }
    // Line prefixes and column suffixes of the figure labels' names.
    static const char *const lines[] = {"G", "K", "T", "H"};
    static const char *const columns[] = {"kyori", "ryou", "kingaku", "nenpi"};
    for (int line = 0; line < 4; ++line) {
        QLabel *caption = cellLabel(QString::fromStdString(captions.cell(line, 0)), table);
        caption->setAlignment(Qt::AlignCenter);
        cells->addWidget(caption, line + 1, 0);
        const QColor background = line % 2 == 0 ? QColor(Qt::white) : PaleYellow;
        for (int c = 0; c < 4; ++c) {
            const QString name =
                QStringLiteral("Lbl") + QLatin1String(lines[line]) + QLatin1String(columns[c]);
            figures_[line][c] = figureLabel(name, background, table);
            cells->addWidget(figures_[line][c], line + 1, c + 1);
        }
    }

    auto *countCaption = new QLabel(QStringLiteral("件数"), this);
    countCaption->setObjectName(QStringLiteral("Label1"));
    countCaption->move(505, 64);
    countLabel_ =
        figureLabel(QStringLiteral("Lblkensuu"), palette().color(QPalette::ToolTipBase), this);
    countLabel_->setGeometry(504, 81, 79, 19);
}

void SummaryPanel::showSummary(const Summary &summary)
{
    const GridText text = summaryCells(summary);
    for (int line = 0; line < 4; ++line)
        for (int c = 0; c < 4; ++c)
            figures_[line][c]->setText(QString::fromStdString(text.cell(line, c + 1)));
    countLabel_->setText(QString::fromStdString(countCell(summary)));
}

QString SummaryPanel::figure(int line, int column) const
{
    return figures_.at(line).at(column)->text();
}

QString SummaryPanel::count() const
{
    return countLabel_->text();
}

} // namespace fenlo
