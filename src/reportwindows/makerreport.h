#pragma once

// moc cannot parse the standard library's C++20 concepts, and needs none of these types.
#ifndef Q_MOC_RUN
#include "reports/bymaker.h"
#endif
#include "reportwindows/reportwindow.h"

#include <QPointer>

namespace fenlo {

class StringGrid;
class TComboBoxRR;

// The fuel economy list by fuel maker: count, highest, lowest and average economy of every
// maker, in the chosen order, and the overall row.
class TFrmMBNIR : public ReportWindow
{
    Q_OBJECT

public:
    explicit TFrmMBNIR(QWidget *parent = nullptr);

    // The maker rows of the last refresh in the order shown (its graph windows draw them).
    const bymaker::Report &report() const { return report_; }
    // The order the two order boxes choose.
    bymaker::Options options() const;
    StringGrid *grid() const { return SGrdNenpi; }

    // "更新", and any change of the order: recounts the makers from the logbook.
    void SBtmKoushinClick();

protected:
    void FormShow() override;

private:
    bymaker::Report report_;
    TComboBoxRR *CmBxjyun1;
    TComboBoxRR *CmBxjyun2;
    StringGrid *SGrdNenpi;
};

inline QPointer<TFrmMBNIR> FrmMBNIR;

} // namespace fenlo
