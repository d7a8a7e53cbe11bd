#include "ui/filechooser.h"

#include <QApplication>
#include <QFileDialog>

namespace fenlo {
namespace {

FileChooser *installed = nullptr;

std::optional<QString> runDialog(const FileChooser::Request &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setNameFilter(request.filter);
    // An open dialog accepts a typed name even when no such file exists.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

FileChooser &FileChooser::current()
{
    static DialogFileChooser dialogs;
    return installed ? *installed : dialogs;
}

void FileChooser::install(FileChooser *chooser) { installed = chooser; }

std::optional<QString> DialogFileChooser::openFile(const Request &request)
{
    return runDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogFileChooser::saveFile(const Request &request)
{
    return runDialog(request, QFileDialog::AcceptSave);
}

} // namespace fenlo
