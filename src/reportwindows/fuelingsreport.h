#pragma once

#include "reportwindows/displaywindow.h"

#include <QPointer>

namespace fenlo {

// Input data display 1: the fuelings themselves.
class TFrmOut1 : public DisplayWindow
{
    Q_OBJECT

public:
    explicit TFrmOut1(QWidget *parent = nullptr);
};

inline QPointer<TFrmOut1> FrmOut1;

} // namespace fenlo
