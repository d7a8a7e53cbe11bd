#pragma once

#include "controls/numberfield.h"

#include <QPointer>

namespace fenlo {

enum class TEditYMDsw { swYY, swMM, swDD };

// One part of a date. A month or day out of range cannot be left behind: leaving the field
// shows why, empties it and keeps the focus there. An empty field may always be left.
class TEditYYMMDD : public TEditNN
{
    Q_OBJECT
public:
    explicit TEditYYMMDD(QWidget *parent = nullptr);

    TEditYMDsw YMDsw() const { return m_part; }
    void setYMDsw(TEditYMDsw part) { m_part = part; }
    // The month field a day is checked against; only a day field has one. Forgotten when that
    // field is destroyed.
    TEditYYMMDD *YMDmm() const { return m_month; }
    void setYMDmm(TEditYYMMDD *month);

protected:
    bool leaveField() override;

private:
    QString complaint() const;
    int lastDay() const;

    TEditYMDsw m_part = TEditYMDsw::swMM;
    QPointer<TEditYYMMDD> m_month;
};

} // namespace fenlo
