#pragma once

// Making the desktop open logbook files (*.fnl) with the program, for the user who asks.

#include <QString>

namespace fenlo {

// The user's XDG folders that the association writes into.
struct XdgFolders
{
    QString dataHome;   // $XDG_DATA_HOME, else ~/.local/share
    QString configHome; // $XDG_CONFIG_HOME, else ~/.config

    static XdgFolders current();
};

// The association command: asks first, and on Yes makes "*.fnl" files open with this program.
void offerFileAssociation();

// Registers, for this user, the MIME type of "*.fnl", a desktop entry that runs `program` with
// the file as its first argument, the program icon and fenlo as the type's default
// application; then refreshes the desktop databases whose tools are installed.
// Throws FenloError at the first step that fails; the later steps are then not taken.
void associateFnlFiles(const XdgFolders &folders, const QString &program);

// `mimeapps` (the text of a mimeapps.list) with `desktopId` as the default application of
// `mimeType`; every other line stays as it was.
QString withDefaultApplication(const QString &mimeapps, const QString &mimeType,
                               const QString &desktopId);

} // namespace fenlo
