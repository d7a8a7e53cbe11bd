#pragma once

#include "reportwindows/displaywindow.h"

#include <QPointer>

namespace fenlo {

// Input data display 2: each fueling with what the next fueling measured of its fuel.
class TFrmOut2 : public DisplayWindow
{
    Q_OBJECT

public:
    explicit TFrmOut2(QWidget *parent = nullptr);
};

inline QPointer<TFrmOut2> FrmOut2;

} // namespace fenlo
