#pragma once

#include <QFrame>

class QLabel;

namespace fenlo {

struct Summary;

// The panel of totals, highest, lowest and average values below a list of fuelings, with the
// record count beside it. Its value labels carry the names G (total), K (highest), T (lowest)
// and H (average) followed by kyori, ryou, kingaku or nenpi, e.g. "LblGkyori".
class SummaryPanel : public QFrame
{
    Q_OBJECT

public:
    explicit SummaryPanel(QWidget *parent = nullptr);

    void display(const Summary &summary);

    static inline const QColor LightYellow{255, 255, 237};

private:
    QLabel *values_[4][4] = {};
    QLabel *Lblkensuu;
};

} // namespace fenlo
