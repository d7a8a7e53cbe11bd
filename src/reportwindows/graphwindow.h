#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

class QFrame;
class QPushButton;

namespace fenlo {

class ChartView;

// What every graph window shares: a modal window opened over the report window that asked for
// it, placed at the frame's corner plus that window's corner plus 120 pixels each way, with a
// chart and a button panel along the bottom.
class GraphWindow : public QDialog
{
    Q_OBJECT

public:
    ChartView *chart() const { return chart_; }

protected:
    struct Frame
    {
        QSize size;
        QString fontFace;
        int fontPixels;
        bool minimiseButton = false; // the border icons of a normal window
    };
    GraphWindow(QWidget *caller, const QString &caption, const Frame &frame);

    // Fills the chart; runs each time the window opens.
    virtual void populate() = 0;

    // The raised panel along the bottom that holds the window's buttons, placed by hand.
    QFrame *addButtonPanel(int height);
    // The window's whole layout for a chart with nothing but the button panel below it.
    QFrame *chartAbovePanel(int panelHeight);
    // The close button "閉じる(&E)" with its hint; it closes the window.
    QPushButton *addCloseButton(QWidget *panel, const QString &name, const QRect &geometry);
    // Users may resize the window down to this size and up to the screen's.
    void limitSize(const QSize &minimum);

    void showEvent(QShowEvent *event) override;

    ChartView *chart_;

private:
    QWidget *caller_;
    QSize designSize_;
};

} // namespace fenlo
