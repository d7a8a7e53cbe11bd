#pragma once

#include <QFrame>

#include <array>

class QLabel;

namespace fenlo {

struct Summary;

// The summary under a list of fuelings: totals, highest, lowest and averages of distance,
// litres, amount and economy in a table of labels, and the count beside it. The figures are
// the report core's text, shown unchanged.
class SummaryPanel : public QFrame
{
    Q_OBJECT

public:
    explicit SummaryPanel(QWidget *parent = nullptr);

    void showSummary(const Summary &summary);

    // The figure of a line (0 合計, 1 最高, 2 最低, 3 平均) and column (0 distance .. 3 economy).
    QString figure(int line, int column) const;
    QString count() const;

private:
    std::array<std::array<QLabel *, 4>, 4> figures_{};
    QLabel *countLabel_ = nullptr;
};

} // namespace fenlo
