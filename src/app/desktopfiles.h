#pragma once

#include <QString>

namespace fenlo {

// The pieces that make a desktop know fenlo and its logbook files: a MIME type for "*.fnl", a
// desktop entry that opens such a file with the program, and the program icon in the hicolor
// icon theme. The association command writes them for one user, the install for everyone.
namespace desktop {

inline const QString MimeType = QStringLiteral("application/x-fenlo");
inline const QString DesktopFileName = QStringLiteral("fenlo.desktop");
inline const QString MimeFileName = QStringLiteral("fenlo.xml");
inline const QString IconName = QStringLiteral("fenlo");

// The shared-mime-info package file that defines the type.
QString mimeTypeXml();

// The desktop entry; `program` is the command to run, a path or a bare name found on PATH.
// The logbook file goes to it as the first argument.
QString desktopEntry(const QString &program);

// `program` as one argument of a desktop entry's Exec key, quoted and escaped as needed.
QString execArgument(const QString &program);

// Writes the program icon as PNG files at the usual sizes into `hicolorDir`
// ("<size>x<size>/apps/fenlo.png"). Throws FenloError when a file cannot be written.
void writeProgramIcons(const QString &hicolorDir);

// Writes `text` as UTF-8 into `path` in one piece, creating the folders on the way.
// Throws FenloError when it cannot.
void writeTextFile(const QString &path, const QString &text);

} // namespace desktop
} // namespace fenlo
