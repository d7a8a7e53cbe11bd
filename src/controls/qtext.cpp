#include "controls/qtext.h"

#include "data/cp932.h"

namespace fenlo {

QString toQ(const std::string &cp932) { return QString::fromStdString(cp932ToUtf8(cp932)); }

std::optional<std::string> fromQ(const QString &text) { return utf8ToCp932(text.toStdString()); }

bool fitsCp932(const QString &text) { return fromQ(text).has_value(); }

} // namespace fenlo
