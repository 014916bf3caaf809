#include "export/savedialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>

SaveDialog::SaveDialog() = default;

SaveDialog::~SaveDialog() = default;

void SaveDialog::prepare(QWidget *parent) {
    if (m_dialog && m_dialog->parentWidget() == parent)
        return;
    delete m_dialog;
    m_dialog = new QFileDialog(parent);
    m_dialog->setAcceptMode(QFileDialog::AcceptSave);
    m_dialog->setFileMode(QFileDialog::AnyFile);
    m_dialog->setOption(QFileDialog::DontConfirmOverwrite);
    // The Qt dialog, not the desktop's: it can be named for screen readers and drivers.
    m_dialog->setOption(QFileDialog::DontUseNativeDialog);
}

QString SaveDialog::ask(QWidget *parent, const SaveDialogRequest &request) {
    prepare(parent);
    QFileDialog &dialog = *m_dialog;
    dialog.setWindowTitle(request.title);
    dialog.setAccessibleName(request.title);
    dialog.setNameFilter(request.filter);
    dialog.setDirectory(request.folder.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                            : request.folder);
    // The name typed last time must not come back when no name is offered.
    if (auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->clear();
    dialog.selectFile(request.defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    return QFileInfo(chosen).fileName().isEmpty() ? QString() : chosen;
}
