#pragma once

#include <QDialog>

class QPushButton;

namespace fenlo {

// The version dialog "バージョン情報": the program icon, its title and version, and OK.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    QPushButton *okButton;

public Q_SLOTS:
    void okClicked();

protected:
    void showEvent(QShowEvent *event) override;
};

// Shows the version dialog modally.
void showVersionDialog(QWidget *parent);

} // namespace fenlo
