#include "controls/statusline.h"

#include <QLabel>

namespace fenlo {

TStatusBarT::TStatusBarT(QWidget *parent) : QStatusBar(parent), m_panel(new QLabel(this))
{
    setFixedHeight(22);
    addWidget(m_panel, 1);
}

void TStatusBarT::setText(const QString &text)
{
    m_text = text;
    m_panel->setText(text);
}

} // namespace fenlo
