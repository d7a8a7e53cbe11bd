#include "controls/statusline.h"

#include <QLabel>

namespace fenlo {

StatusLine::StatusLine(QWidget *parent) : QStatusBar(parent), panel_(new QLabel(this))
{
    setFixedHeight(22);
    addWidget(panel_, 1);
}

void StatusLine::setText(const QString &text)
{
    text_ = text;
    panel_->setText(text);
}

} // namespace fenlo
