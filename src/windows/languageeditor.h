#pragma once

#include "settings/newlanguagefile.h"
#include "windowcontext.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class QPlainTextEdit;
class QToolBar;
class WindowCommandBar;

// `frmLang`: makes a new language file from a copy of the English one. A plain text area
// (`Text1`) under a two-button bar: EXIT3 leaves (asking first when anything was typed in
// this run), SAVE5 asks for a language name and saves the text as
// languages/trans_<name>.Txt. Saving neither closes the window nor clears EditedFlag.
class LanguageEditor : public QDialog {
    Q_OBJECT

public:
    // Shows the input dialog modally; DialogAnswer holds the answer afterwards.
    using Question = std::function<void(QWidget *parent)>;
    // Asks for the new language's name; nothing when the user cancelled.
    using NamePrompt = std::function<std::optional<QString>(QWidget *parent, const QString &title)>;

    // The load step: builds the bar on its first use in the run, sets the texts of the
    // current language and fills the text area with the English file.
    explicit LanguageEditor(const WindowContext &context, QWidget *parent = nullptr);
    ~LanguageEditor() override;

    void setQuestion(Question question) { m_question = std::move(question); }
    void setNamePrompt(NamePrompt prompt) { m_namePrompt = std::move(prompt); }

    // The text as it would be saved, lines ended by "\n".
    QString text() const;
    QPlainTextEdit *textArea() const { return m_text; }
    // cmdBar: the window's element of the shared bars, and the toolbar showing it.
    WindowCommandBar &commandBar() const { return *m_cmdBar; }
    QToolBar *toolBar() const;

    // The bar's click handler: acts only on clicks of its own element (5).
    void buttonClick(int index, const QString &key);

    // A draft kept when an earlier session ended is offered; taken, it replaces the
    // English text (and counts as typed). Either way the draft file goes.
    void offerDraft();
    // The desktop session ends: nothing is asked. Unsaved typing is kept as a draft in
    // Data/ for the next opening, and the window closes.
    void endSession();

public Q_SLOTS:
    // EXIT3; Escape and the close box leave the same way, so no typing is lost without a
    // question.
    void reject() override;

private:
    void saveAs();
    bool mayLeave();

    WindowContext m_context;
    NewLanguageFile m_file;
    Question m_question;
    NamePrompt m_namePrompt;
    QPlainTextEdit *m_text;
    std::unique_ptr<WindowCommandBar> m_cmdBar;
    QString m_savedName; // the language last saved in this window, names the draft
    bool m_sessionEnded = false;
};
