#pragma once

// Texts of the failures the core itself reports, in UTF-8. The windows and the CLI show them
// unchanged, so a user sees the same words wherever a failure happens.
namespace fenlo::msg {

inline constexpr const char *NotFloat = "'%s' は浮動小数点数ではありません";
inline constexpr const char *NotNumber = "入力値が数値ではありません";
inline constexpr const char *NotLogbookV3 = "これは「ふぇんろVer3」のデータではありません";
inline constexpr const char *OlderFormat =
    "これは「ふぇんろVer2」のデータです。保存すると「ふぇんろVer3」のデータになります。";
inline constexpr const char *FileNotFound = "ファイルが見つかりません";
inline constexpr const char *AccessDenied = "ファイルへのアクセスが拒否されました";
inline constexpr const char *DiskFull = "ディスクがいっぱいです";
inline constexpr const char *IoErrorFormat = "I/O エラー (%d)";
inline constexpr const char *LogbookInUse = "このファイルは他のふぇんろで開かれています";
inline constexpr const char *BackupFailed = "バックアップを作成できませんでした";

} // namespace fenlo::msg
