#pragma once

#include <QString>
#include <functional>

class QWidget;

// What the exports ask of a Save dialog: the file to write, or nothing when the user
// cancelled or gave no name.
struct SaveDialogRequest {
    QString title;
    QString filter;      // "Web archive (*.mht *.mhtml)"
    QString defaultName; // offered in the name field
    QString folder;      // where the dialog opens
};

namespace SaveDialog {

using Chooser = std::function<QString(QWidget *parent, const SaveDialogRequest &request)>;

// The Save dialog (QFileDialog), opened in the request's folder or, without one, in the
// user's documents folder. It does not ask before replacing: the exports ask themselves,
// in the program's language.
QString ask(QWidget *parent, const SaveDialogRequest &request);

} // namespace SaveDialog
