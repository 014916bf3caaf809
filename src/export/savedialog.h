#pragma once

#include <QPointer>
#include <QString>
#include <functional>

class QFileDialog;
class QWidget;

// What the exports ask of a Save dialog: the file to write, or nothing when the user
// cancelled or gave no name.
struct SaveDialogRequest {
    QString title;
    QString filter;      // "Web archive (*.mht *.mhtml)"
    QString defaultName; // offered in the name field
    QString folder;      // where the dialog opens
};

// The Save dialog (QFileDialog), opened in the request's folder or, without one, in the
// user's documents folder. It does not ask before replacing: the exports ask themselves,
// in the program's language.
//
// One dialog serves every export of a run. Made anew each time, it read its icons and set
// up its file model on the interface thread again, and the first one of a run held the
// window for over 50 ms; prepare() makes it while the user is not waiting for it.
class SaveDialog {
public:
    using Chooser = std::function<QString(QWidget *parent, const SaveDialogRequest &request)>;

    SaveDialog();
    ~SaveDialog();
    SaveDialog(const SaveDialog &) = delete;
    SaveDialog &operator=(const SaveDialog &) = delete;

    QString ask(QWidget *parent, const SaveDialogRequest &request);
    // The dialog made, not shown, as a child of parent.
    void prepare(QWidget *parent);

private:
    QPointer<QFileDialog> m_dialog; // a child of its parent window, which deletes it
};
