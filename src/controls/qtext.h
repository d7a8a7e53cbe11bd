#pragma once

#include <QString>

#include <optional>
#include <string>

namespace fenlo {

// Logbook text is CP932 bytes; widgets speak QString. These are the only crossings.
QString toQ(const std::string &cp932);
// nullopt when the text holds a character CP932 cannot represent.
std::optional<std::string> fromQ(const QString &text);
// Whether every character of the text can be stored in the logbook.
bool fitsCp932(const QString &text);

} // namespace fenlo
