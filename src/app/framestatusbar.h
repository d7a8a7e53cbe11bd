#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

namespace fenlo {

// The frame's status bar: a message panel, a panel holding the progress gauge and a panel
// with the percentage. Writing Position repaints at once, so the gauge moves while a long
// load or save runs without returning to the event loop.
class FrameStatusBar : public QStatusBar
{
    Q_OBJECT
    Q_PROPERTY(int position READ position WRITE setPosition)
    Q_PROPERTY(bool showsMessages READ showsMessages WRITE setShowsMessages)
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit FrameStatusBar(QWidget *parent = nullptr);

    int position() const { return position_; }
    void setPosition(int value);
    bool showsMessages() const { return showsMessages_; }
    void setShowsMessages(bool on) { showsMessages_ = on; }
    QString text() const { return text_; }
    void setText(const QString &value);

    // Widths of the three panels.
    void setPanelWidths(int message, int gauge, int percent);
    QString panelText(int panel) const;
    const QProgressBar *gauge() const { return gauge_; }

private:
    QLabel *messagePanel_;
    QWidget *gaugePanel_;
    QProgressBar *gauge_;
    QLabel *percentPanel_;
    int position_ = 0;
    bool showsMessages_ = true;
    QString text_;
};

} // namespace fenlo
