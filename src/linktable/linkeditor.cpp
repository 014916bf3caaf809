#include "linkeditor.h"

#include "commandbar/commandregistry.h"
#include "commandbar/windowcommandbar.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "core/programstate.h"
#include "desktop/twips.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShowEvent>
#include <QToolBar>
#include <QVBoxLayout>
#include <limits>

namespace {
// The labels carry the grid's column titles: fields 1 to 5 captions 65 to 69, field 6 73.
constexpr int FieldTexts[] = {65, 66, 67, 68, 69, 73};
constexpr int DesignWidth = 560;

} // namespace

LinkEditor::LinkEditor(const WindowContext &context, const LinkEntry &entry, QWidget *parent)
    : QDialog(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("frmEDit"));
    setModal(true);
    const LanguageFile &texts = context.language;
    setWindowTitle(texts.caption(Captions::LinkEditorWindow));

    WindowBars::ensureBuilt(context.registry, WindowBars::Window::LinkEditor);
    WindowBars::applyTexts(context.registry, WindowBars::Window::LinkEditor, texts);
    m_cmdBar = std::make_unique<WindowCommandBar>(context.registry, context.folder,
                                                  context.currentBarStyle(),
                                                  WindowBars::Window::LinkEditor);
    m_cmdBar->toolBar()->setAccessibleName(texts.caption(Captions::LinkEditorWindow));
    connect(&m_cmdBar->presenter(), &CommandBarPresenter::buttonClick, this,
            &LinkEditor::buttonClick);

    const QString values[] = {entry.name,        entry.address,      entry.freeText,
                              entry.privateText, entry.shownAddress, entry.dateAdded};
    auto *form = new QFormLayout;
    form->setContentsMargins(12, 12, 12, 12);
    for (int i = 0; i < 6; ++i) {
        auto *label = new QLabel(texts.caption(FieldTexts[i]), this);
        label->setObjectName(QStringLiteral("Lab%1").arg(i + 1));
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Txt%1").arg(i + 1));
        // A link's fields may be longer than a line edit takes by default; none is cut.
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setText(values[i]);
        box->setCursorPosition(0);
        box->setAccessibleName(label->text());
        label->setBuddy(box);
        form->addRow(label, box);
        m_txt[i] = box;
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_cmdBar->toolBar());
    layout->addLayout(form);
    resize(DesignWidth, sizeHint().height());
}

LinkEditor::~LinkEditor() = default;

QToolBar *LinkEditor::toolBar() const {
    return m_cmdBar->toolBar();
}

LinkEntry LinkEditor::entry() const {
    return {m_txt[0]->text(), m_txt[1]->text(), m_txt[2]->text(),
            m_txt[3]->text(), m_txt[4]->text(), m_txt[5]->text()};
}

void LinkEditor::buttonClick(int index, const QString &key) {
    if (index != m_cmdBar->index())
        return;
    const WindowBars::Action action = WindowBars::actionOf(key);
    if (action == WindowBars::Action::Save)
        m_outcome = Outcome::Saved;
    else if (action == WindowBars::Action::Remove)
        m_outcome = Outcome::Removed;
    accept();
}

void LinkEditor::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    const Placement<double> &stored = m_context.state.settings.editor;
    const Twips twips = Twips::forPlacements(screen());
    if (stored.top == 0 && stored.left == 0) {
        if (const QScreen *display = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(display->availableGeometry().center());
            move(frame.topLeft());
        }
        return;
    }
    // Where it was last closed, at its own size.
    move(twips.toPixels(stored.left), twips.toPixels(stored.top));
}

void LinkEditor::done(int result) {
    Placement<double> &stored = m_context.state.settings.editor;
    const Twips twips = Twips::forPlacements(screen());
    stored.top = twips.fromPixels(y());
    stored.left = twips.fromPixels(x());
    stored.height = twips.fromPixels(height());
    stored.width = twips.fromPixels(width());
    QDialog::done(result);
}
