#pragma once

#include <QString>

#include <string>

namespace fenlo {

// A file-dialog filter written "description|pattern" in Qt's "description (pattern)" form. A
// description that already ends in its pattern in brackets is taken as it stands.
QString qtFileFilter(const char *filter);

// The bytes of a path as the file system takes them.
std::string localPath(const QString &path);

} // namespace fenlo
