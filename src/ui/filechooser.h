#pragma once

#include <QString>

#include <optional>

namespace fenlo {

// Every open and save dialog goes through the one installed FileChooser, so tests can answer
// them without a dialog on screen.
class FileChooser
{
public:
    struct Request
    {
        QString defaultSuffix; // appended to a typed name without extension, e.g. "fnl"
        QString filter;        // Qt filter text, e.g. "ふぇんろデータファイル (*.fnl)"
        QString suggestedName;
        bool confirmOverwrite = true; // only for saving
    };

    virtual ~FileChooser() = default;
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<QString> openFile(const Request &request) = 0;
    virtual std::optional<QString> saveFile(const Request &request) = 0;

    static FileChooser &current();
    // Installs `chooser` (not owned); nullptr restores the file dialogs.
    static void install(FileChooser *chooser);
};

// The production chooser: QFileDialog.
class DialogFileChooser : public FileChooser
{
public:
    std::optional<QString> openFile(const Request &request) override;
    std::optional<QString> saveFile(const Request &request) override;
};

} // namespace fenlo
