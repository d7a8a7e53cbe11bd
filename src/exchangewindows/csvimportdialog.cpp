#include "exchangewindows/csvimportdialog.h"

#include "data/error.h"
#include "exchange/csvimport.h"
#include "exchange/exchangetexts.h"
#include "exchangewindows/filenames.h"
#include "exchangewindows/panelbutton.h"
#include "ui/filechooser.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace fenlo {
namespace {

constexpr QSize ButtonSize(90, 25);

QString fieldLabel(CsvField field)
{
    switch (field) {
    case CsvField::None:
        return QStringLiteral("（読み込まない）");
    case CsvField::Date:
        return QStringLiteral("日付");
    case CsvField::Hour:
        return QStringLiteral("時");
    case CsvField::Odometer:
        return QStringLiteral("距離(ﾄｰﾀﾙ)");
    case CsvField::Trip:
        return QStringLiteral("距離(今回)");
    case CsvField::Litres:
        return QStringLiteral("給油量");
    case CsvField::Amount:
        return QStringLiteral("金額");
    case CsvField::Maker:
        return QStringLiteral("メーカー");
    case CsvField::Category:
        return QStringLiteral("燃料区分");
    case CsvField::Full:
        return QStringLiteral("満タン");
    case CsvField::NotFull:
        return QStringLiteral("満タンでない");
    case CsvField::Comment:
        return QStringLiteral("コメント");
    case CsvField::Economy:
        return QStringLiteral("燃費");
    }
    return {};
}

QString describe(const CsvTable &table)
{
    const QString encoding = table.encoding == TextEncoding::Utf8 ? QStringLiteral("UTF-8")
                                                                  : QStringLiteral("Shift_JIS");
    const QString delimiter = table.delimiter == ','   ? QStringLiteral("カンマ")
                              : table.delimiter == ';' ? QStringLiteral("セミコロン")
                                                       : QStringLiteral("タブ");
    return QStringLiteral("文字コード: %1　区切り: %2　データ: %3 行")
        .arg(encoding, delimiter)
        .arg(table.rows.size());
}

} // namespace

CsvImportDialog::CsvImportDialog(const CsvTable &table, Logbook &book, QWidget *parent)
    : QDialog(parent), preview(new QTableWidget(this)), dateOrderBox(new QComboBox(this)),
      milesBox(new QCheckBox(QStringLiteral("距離はマイル"), this)),
      gallonsBox(new QCheckBox(QStringLiteral("給油量は米ガロン"), this)),
      startButton(panelButton(this, QStringLiteral("BtnStart"), QStringLiteral("読み込み(&K)"),
                              QStringLiteral("給油データを読み込みます"), ButtonSize)),
      cancelButton(panelButton(this, QStringLiteral("BtnCancel"), QStringLiteral("ｷｬﾝｾﾙ(&C)"),
                               QStringLiteral("読み込まずにこのフォームを閉じます"), ButtonSize)),
      table_(table), book_(book), summary_(std::make_unique<CsvImportSummary>())
{
    setObjectName(QStringLiteral("FrmCsvIn"));
    setWindowTitle(QStringLiteral("CSV の読み込み"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));

    preview->setObjectName(QStringLiteral("SGrdPreview"));
    preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview->setSelectionMode(QAbstractItemView::NoSelection);
    preview->verticalHeader()->setDefaultSectionSize(20);
    fillPreview();

    dateOrderBox->setObjectName(QStringLiteral("CmBxDateOrder"));
    dateOrderBox->addItem(QStringLiteral("ファイルから判断"), int(DateOrder::Auto));
    dateOrderBox->addItem(QStringLiteral("日/月/年"), int(DateOrder::DayMonthYear));
    dateOrderBox->addItem(QStringLiteral("月/日/年"), int(DateOrder::MonthDayYear));
    dateOrderBox->addItem(QStringLiteral("年/月/日"), int(DateOrder::YearMonthDay));
    dateOrderBox->setToolTip(QStringLiteral("年が先頭にない日付の、日と月の順序を選んでください"));
    milesBox->setObjectName(QStringLiteral("CbxMiles"));
    gallonsBox->setObjectName(QStringLiteral("CbxGallons"));

    connect(startButton, &QPushButton::clicked, this,
            [this] { Prompter::guarded([this] { startImport(); }); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *units = new QHBoxLayout;
    units->addWidget(new QLabel(QStringLiteral("日付の順序"), this));
    units->addWidget(dateOrderBox);
    units->addSpacing(16);
    units->addWidget(milesBox);
    units->addWidget(gallonsBox);
    units->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton);
    buttons->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(
        new QLabel(QStringLiteral("この処理は、CSV ファイルの給油データを記録に加えます。"), this));
    layout->addWidget(new QLabel(describe(table), this));
    layout->addWidget(new QLabel(
        QStringLiteral("見出しごとに、読み込む項目を選んでください。先頭の %1 行を表示しています。")
            .arg(std::min<std::size_t>(PreviewRows, table.rows.size())),
        this));
    layout->addWidget(preview, 1);
    layout->addLayout(units);
    layout->addLayout(buttons);
    resize(720, 400);
}

CsvImportDialog::~CsvImportDialog() = default;

void CsvImportDialog::fillPreview()
{
    const std::vector<CsvField> recognised = recogniseColumns(table_);
    const int rows = std::min<int>(PreviewRows, static_cast<int>(table_.rows.size()));
    preview->setColumnCount(static_cast<int>(recognised.size()));
    preview->setRowCount(rows + 1);
    QStringList headers;
    for (const std::string &header : table_.header.cells)
        headers << QString::fromStdString(table_.utf8(header));
    preview->setHorizontalHeaderLabels(headers);
    QStringList rowNumbers{QStringLiteral("項目")};
    for (int r = 0; r < rows; ++r)
        rowNumbers << QString::number(table_.rows[static_cast<std::size_t>(r)].line);
    preview->setVerticalHeaderLabels(rowNumbers);
    for (int c = 0; c < preview->columnCount(); ++c) {
        preview->setCellWidget(0, c, makeFieldBox(recognised[static_cast<std::size_t>(c)]));
        for (int r = 0; r < rows; ++r) {
            const auto &cells = table_.rows[static_cast<std::size_t>(r)].cells;
            if (static_cast<std::size_t>(c) < cells.size())
                preview->setItem(r + 1, c,
                                 new QTableWidgetItem(QString::fromStdString(
                                     table_.utf8(cells[static_cast<std::size_t>(c)]))));
        }
    }
    preview->resizeColumnsToContents();
    for (int c = 0; c < preview->columnCount(); ++c)
        preview->setColumnWidth(c, std::clamp(preview->columnWidth(c), 110, 220));
}

QComboBox *CsvImportDialog::makeFieldBox(CsvField field)
{
    auto *box = new QComboBox(preview);
    for (CsvField f : allCsvFields())
        box->addItem(fieldLabel(f), int(f));
    box->setCurrentIndex(box->findData(int(field)));
    connect(box, &QComboBox::activated, this, [this, box] { fieldChosen(box); });
    return box;
}

QComboBox *CsvImportDialog::fieldBox(int column) const
{
    return qobject_cast<QComboBox *>(preview->cellWidget(0, column));
}

void CsvImportDialog::fieldChosen(QComboBox *chosen)
{
    if (chosen->currentData().toInt() == int(CsvField::None))
        return;
    for (int c = 0; c < preview->columnCount(); ++c) {
        QComboBox *box = fieldBox(c);
        if (box != chosen && box->currentData() == chosen->currentData())
            box->setCurrentIndex(box->findData(int(CsvField::None)));
    }
}

std::vector<CsvField> CsvImportDialog::columns() const
{
    std::vector<CsvField> fields;
    for (int c = 0; c < preview->columnCount(); ++c)
        fields.push_back(static_cast<CsvField>(fieldBox(c)->currentData().toInt()));
    return fields;
}

CsvImportOptions CsvImportDialog::options() const
{
    CsvImportOptions o;
    o.dateOrder = static_cast<DateOrder>(dateOrderBox->currentData().toInt());
    o.miles = milesBox->isChecked();
    o.gallons = gallonsBox->isChecked();
    return o;
}

void CsvImportDialog::startImport()
{
    // The import works on a copy of the logbook and puts it in place only when the whole file
    // was read, so a record it cannot read leaves the logbook as it was and the dialog open.
    try {
        *summary_ = importCsv(book_, table_, columns(), options());
    } catch (const FenloError &e) {
        Prompter::warning(QString::fromUtf8(e.what()));
        return;
    }
    accept();
}

bool CsvImportDialog::importFile(Logbook &book, QWidget *parent)
{
    // Other programs name their exports as they like, so any file can be chosen as well.
    const FileChooser::Request request{
        QString(), qtFileFilter(msg::CsvImportFilter) + QStringLiteral(";;すべてのファイル (*)"),
        QString(), false};
    const std::optional<QString> path = FileChooser::current().openFile(request);
    if (!path)
        return false;
    CsvTable table;
    try {
        table = readCsvFile(localPath(*path));
    } catch (const FenloError &e) {
        Prompter::warning(QString::fromUtf8(e.what()));
        return false;
    }
    CsvImportDialog dialog(table, book, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Prompter::plain(QString::fromStdString(summaryText(dialog.summary())).trimmed());
    return true;
}

} // namespace fenlo
