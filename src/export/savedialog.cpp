#include "export/savedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace SaveDialog {

QString ask(QWidget *parent, const SaveDialogRequest &request) {
    const QString folder = request.folder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : request.folder;
    QFileDialog dialog(parent, request.title, folder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The Qt dialog, not the desktop's: it can be named for screen readers and drivers.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAccessibleName(request.title);
    dialog.selectFile(request.defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    return QFileInfo(chosen).fileName().isEmpty() ? QString() : chosen;
}

} // namespace SaveDialog
