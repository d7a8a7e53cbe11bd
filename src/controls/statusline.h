#pragma once

#include <QStatusBar>

class QLabel;

namespace fenlo {

// A status bar with one panel spanning it, whose text is set as a whole.
class StatusLine : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusLine(QWidget *parent = nullptr);

    const QString &text() const { return text_; }
    void setText(const QString &text);

private:
    QString text_;
    QLabel *panel_;
};

} // namespace fenlo
