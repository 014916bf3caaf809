#pragma once

#include "windowcontext.h"

#include <QDialog>
#include <memory>

class QLabel;
class QToolBar;
class WindowCommandBar;

// `frmInput`: a small modal yes/no question. The question (`labTitle`) stands in the
// command bar between the two answers; OKYES leaves DialogAnswer at 1, OKNO at 0, and the
// dialog closes. The close box leaves DialogAnswer as it was. The caller shows the
// dialog modally and then reads DialogAnswer.
class InputDialog : public QDialog {
    Q_OBJECT

public:
    // The load step: builds the bar on its first use in the run and sets the texts of the
    // current language.
    explicit InputDialog(const WindowContext &context, QWidget *parent = nullptr);
    ~InputDialog() override;

    // labTitle, the question.
    void setTitle(const QString &text);
    QString title() const;
    // cmdBar: the window's element of the shared bars, and the toolbar showing it.
    WindowCommandBar &commandBar() const { return *m_cmdBar; }
    QToolBar *toolBar() const;

    // The bar's click handler: acts only on clicks of its own element (6).
    void buttonClick(int index, const QString &key);

private:
    WindowContext m_context;
    QLabel *m_question;
    std::unique_ptr<WindowCommandBar> m_cmdBar;
};
