#pragma once

#include <QWidget>

class QToolButton;

namespace fenlo {

class CheckField;
class Logbook;

// The MDI child that writes the fueling records to a CSV file. It only reads the logbook.
class CsvExportWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CsvExportWindow(const Logbook &book, QWidget *parent = nullptr);

    CheckField *titleBox;
    QToolButton *startButton;
    QToolButton *endButton;

private:
    void exportCsv();
    void closeWindow();

    const Logbook &book_;
};

} // namespace fenlo
