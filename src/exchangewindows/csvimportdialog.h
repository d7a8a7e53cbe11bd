#pragma once

#include <QDialog>

#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTableWidget;

namespace fenlo {

class Logbook;
struct CsvTable;
struct CsvImportOptions;
struct CsvImportSummary;
enum class CsvField;

// The modal dialog between choosing a CSV file and importing it: the first records of the file
// under their headers, with the field each column is read as, which the user may change, and
// the units and the order of the dates.
class CsvImportDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int PreviewRows = 10;

    CsvImportDialog(const CsvTable &table, Logbook &book, QWidget *parent = nullptr);
    ~CsvImportDialog() override;

    // Chooses a CSV file, shows the dialog for it and, once the records are in, the summary.
    // True when the logbook took the records; false when the user cancelled or the file could
    // not be read (which was reported), the logbook then untouched.
    static bool importFile(Logbook &book, QWidget *parent);

    // The field the column of header `column` (from 0) is read as.
    QComboBox *fieldBox(int column) const;
    QTableWidget *preview;
    QComboBox *dateOrderBox;
    QCheckBox *milesBox;
    QCheckBox *gallonsBox;
    QPushButton *startButton;
    QPushButton *cancelButton;

    // What the import did, once the dialog was accepted.
    const CsvImportSummary &summary() const { return *summary_; }

private:
    void fillPreview();
    QComboBox *makeFieldBox(CsvField field);
    // A field chosen for one column is taken from any other, as one column gives each field.
    void fieldChosen(QComboBox *box);
    std::vector<CsvField> columns() const;
    CsvImportOptions options() const;
    void startImport();

    const CsvTable &table_;
    Logbook &book_;
    std::unique_ptr<CsvImportSummary> summary_;
};

} // namespace fenlo
