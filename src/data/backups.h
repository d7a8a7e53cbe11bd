#pragma once

#include <string>
#include <vector>

namespace fenlo {

// Copies of logbook files, kept before a save replaces them, in a folder of the user's and
// never beside the logbook. A copy is named after its logbook and the time of the save
// ("car_1a2b3c4d_20261208-081530-123.fnl"; the middle part tells apart logbooks of one name in
// different folders), and opens like any logbook. Only the newest copies of each logbook stay.
class BackupFolder
{
public:
    static constexpr std::size_t Kept = 10;

    explicit BackupFolder(std::string path) : path_(std::move(path)) {}
    // $XDG_DATA_HOME/fenlo/backups, else ~/.local/share/fenlo/backups.
    static BackupFolder standard();

    const std::string &path() const { return path_; }

    // Copies the existing file `logbook` into the folder (creating it), then removes all but
    // the newest Kept copies of that logbook. Returns the copy's path. Throws FenloError when
    // the copy cannot be written.
    std::string keep(const std::string &logbook) const;

    // The copies of `logbook`, oldest first.
    std::vector<std::string> copiesOf(const std::string &logbook) const;

private:
    std::string path_;
};

} // namespace fenlo
