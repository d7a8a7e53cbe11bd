#pragma once

#include <string>

// Texts of the export and import windows, in UTF-8, so the windows and the CLI say the same.
namespace fenlo::msg {

inline constexpr const char *CsvFilter = "ｶﾝﾏ区切りﾃｷｽﾄ(*.csv)|*.csv";
inline constexpr const char *CsvDefaultSuffix = "csv";

// The question before an existing file is replaced by an export.
inline std::string overwriteQuestion(const std::string &path)
{
    return path + " は、既に存在します。\r 上書きしますか？";
}

inline constexpr const char *LegacyFilter = "nenpi.dat|nenpi.dat";
inline constexpr const char *LegacyWrongPath = "パスの指定が違います";
inline constexpr const char *LegacyConfirmStart = "処理を開始します";
inline constexpr const char *LegacyFinished = "処理を終了しました。";
// A line so long that no first-generation program could have written it.
inline constexpr const char *LegacyDamaged = "旧データの形式が正しくありません";

} // namespace fenlo::msg
