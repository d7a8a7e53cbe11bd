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

// The import of a CSV file: files that cannot be read as one.
inline constexpr const char *CsvImportFilter = "ｶﾝﾏ区切りﾃｷｽﾄ(*.csv *.txt *.tsv)|*.csv *.txt *.tsv";
inline constexpr const char *CsvEmpty = "ファイルが空です";
inline constexpr const char *CsvNotText = "このファイルは CSV ファイルではありません";
inline constexpr const char *CsvTooLarge = "ファイルが大きすぎます";
inline constexpr const char *CsvNoRows = "見出しの行の下に給油データの行がありません";
inline constexpr const char *CsvNoDate =
    "日付の列が見つかりません。1 行目には「日付」などの見出しが必要です";
inline constexpr const char *CsvNoLitres = "給油量の列が見つかりません";
inline constexpr const char *CsvMixedDateOrder =
    "日付の並び (日/月/年 か 月/日/年) が行によって違います";

// A failure tied to one line of the file, which the user can look up in a spreadsheet.
inline std::string csvLineError(int line, const std::string &what)
{
    return std::to_string(line) + " 行目: " + what;
}

inline std::string csvUnclosedQuote(int line)
{
    return csvLineError(line, "引用符 (\") が閉じられていません");
}

} // namespace fenlo::msg
