#include "controls/statusline.h"

#include <QLabel>

namespace fenlo {

StatusLine::StatusLine(QWidget *parent) : QStatusBar(parent), m_panel(new QLabel(this))
{
    setFixedHeight(22);
    addWidget(m_panel, 1);
}

void StatusLine::setText(const QString &text)
{
    m_text = text;
    m_panel->setText(text);
}

} // namespace fenlo
