#pragma once

// moc cannot parse the standard library's C++20 concepts, and needs none of these types.
#ifndef Q_MOC_RUN
#include "reports/bycategory.h"
#endif
#include "reportwindows/reportwindow.h"

#include <QPointer>

namespace fenlo {

class StringGrid;

// The fuel economy list by fuel category: the regular and premium rows and the overall row.
class TFrmKbnir : public ReportWindow
{
    Q_OBJECT

public:
    explicit TFrmKbnir(QWidget *parent = nullptr);

    // The category rows of the last refresh (its graph windows draw them).
    const bycategory::Report &report() const { return report_; }
    StringGrid *grid() const { return SGrdNenpi; }

    // "更新": recounts the categories from the logbook.
    void Button2Click();

protected:
    void FormShow() override;

private:
    bycategory::Report report_;
    StringGrid *SGrdNenpi;
};

inline QPointer<TFrmKbnir> FrmKbnir;

} // namespace fenlo
