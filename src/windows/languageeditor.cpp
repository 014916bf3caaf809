#include "languageeditor.h"

#include "commandbar/commandregistry.h"
#include "commandbar/windowcommandbar.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "core/notifier.h"
#include "core/programstate.h"
#include "inputdialog.h"

#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

std::optional<QString> askName(QWidget *parent, const QString &title) {
    QInputDialog prompt(parent);
    prompt.setWindowTitle(title);
    prompt.setLabelText(QString());
    prompt.setTextValue(QString());
    // The prompt shows no text beside its field; a screen reader names it by the title.
    if (auto *field = prompt.findChild<QLineEdit *>())
        field->setAccessibleName(title);
    if (prompt.exec() != QDialog::Accepted)
        return std::nullopt;
    return prompt.textValue();
}

} // namespace

LanguageEditor::LanguageEditor(const WindowContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_file(context.folder, context.language, context.notifier)
    , m_question([context](QWidget *owner) { InputDialog(context, owner).exec(); })
    , m_namePrompt(askName)
    , m_text(new QPlainTextEdit(this)) {
    const LanguageFile &texts = context.language;
    setModal(true);
    setWindowTitle(texts.caption(Captions::LanguageEditorWindow));
    if (const QScreen *display = screen())
        resize(display->geometry().size() / 2);

    WindowBars::ensureBuilt(context.registry, WindowBars::Window::LanguageEditor);
    // The same texts ApplyLanguageTexts gives them, so the window speaks the current
    // language even when it loads before the texts were applied.
    WindowBars::applyTexts(context.registry, WindowBars::Window::LanguageEditor, texts);
    m_cmdBar = std::make_unique<WindowCommandBar>(context.registry, context.folder,
                                                  context.currentBarStyle(),
                                                  WindowBars::Window::LanguageEditor);
    m_cmdBar->toolBar()->setAccessibleName(texts.caption(Captions::LanguageEditorWindow));
    connect(&m_cmdBar->presenter(), &CommandBarPresenter::buttonClick, this,
            &LanguageEditor::buttonClick);

    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(texts.caption(Captions::LanguageFileText));
    // A language file is read line by line: a long line stays one line on screen too.
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setPlainText(m_file.readTemplate());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_cmdBar->toolBar());
    layout->addWidget(m_text);

    // Connected after the file was loaded: only the user's typing counts.
    connect(m_text, &QPlainTextEdit::textChanged, this,
            [this] { m_context.state.editedFlag = true; });
}

LanguageEditor::~LanguageEditor() = default;

QString LanguageEditor::text() const {
    // The raw text keeps no-break spaces, which the plain-text view would turn into blanks.
    QString raw = m_text->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    raw.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return raw;
}

QToolBar *LanguageEditor::toolBar() const {
    return m_cmdBar->toolBar();
}

void LanguageEditor::buttonClick(int index, const QString &key) {
    if (index != m_cmdBar->index())
        return;
    const WindowBars::Action action = WindowBars::actionOf(key);
    if (action == WindowBars::Action::Close)
        reject();
    else if (action == WindowBars::Action::Save)
        saveAs();
}

void LanguageEditor::reject() {
    if (m_sessionEnded || mayLeave())
        QDialog::reject();
}

void LanguageEditor::offerDraft() {
    const QString path = m_file.findDraft();
    if (path.isEmpty())
        return;
    if (m_context.notifier.ask(m_context.language.caption(Captions::ProgramName),
                               m_context.language.caption(Captions::LanguageDraftFound))) {
        if (const std::optional<QString> draft = m_file.readDraft(path)) {
            m_text->setPlainText(*draft); // counts as typing: leaving asks first
            m_context.state.editedFlag = true;
        }
    }
    QFile::remove(path);
}

void LanguageEditor::endSession() {
    if (m_sessionEnded)
        return;
    m_sessionEnded = true;
    if (m_context.state.editedFlag) {
        // The session is going; a message could not be answered. The write failing is
        // all that can be lost, and nothing else could keep the text.
        [[maybe_unused]] const WriteResult kept = m_file.saveDraft(m_savedName, text());
    }
    QDialog::reject();
}

bool LanguageEditor::mayLeave() {
    if (!m_context.state.editedFlag)
        return true;
    // DialogAnswer is not reset first: a dialog closed without a choice keeps the last one.
    if (m_question)
        m_question(this);
    return m_context.state.dialogAnswer == 1;
}

void LanguageEditor::saveAs() {
    if (!m_namePrompt)
        return;
    const std::optional<QString> name =
        m_namePrompt(this, m_context.language.caption(Captions::NewLanguageName));
    if (!name)
        return;
    if (m_file.save(*name, text()) == NewLanguageFile::SaveResult::Written)
        m_savedName = name->trimmed();
}
