#pragma once

#include "linktable/linkentry.h"
#include "windows/windowcontext.h"

#include <QDialog>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QToolBar;
class WindowCommandBar;

// `frmEDit`: the six fields of one link in text boxes, modal over the link table. SAVE3
// keeps what the boxes hold, CANCEL removes the link; closing the window changes nothing.
// It opens where it was last closed in the run, or centred.
class LinkEditor : public QDialog {
    Q_OBJECT

public:
    enum class Outcome { Closed, Saved, Removed };

    LinkEditor(const WindowContext &context, const LinkEntry &entry, QWidget *parent = nullptr);
    ~LinkEditor() override;

    Outcome outcome() const { return m_outcome; }
    // The link as the boxes hold it.
    LinkEntry entry() const;

    // Txt(1) … Txt(6), in the order of the grid's columns.
    QLineEdit *txt(int field) const { return m_txt.at(field - 1); }
    QToolBar *toolBar() const;

    // The bar's click handler: acts only on clicks of its own element (9).
    void buttonClick(int index, const QString &key);

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    WindowContext m_context;
    std::unique_ptr<WindowCommandBar> m_cmdBar;
    std::array<QLineEdit *, 6> m_txt{};
    Outcome m_outcome = Outcome::Closed;
};
