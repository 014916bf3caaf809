#include "inputdialog.h"

#include "commandbar/commandregistry.h"
#include "commandbar/windowcommandbar.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "core/programstate.h"
#include "desktop/twips.h"

#include <QLabel>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr double WidthInTwips = 4100;

} // namespace

InputDialog::InputDialog(const WindowContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_question(new QLabel(this)) {
    setModal(true);
    setWindowTitle(context.language.caption(Captions::ProgramName));

    m_question->setObjectName(QStringLiteral("labTitle"));
    m_question->setAlignment(Qt::AlignCenter);
    m_question->setWordWrap(true);

    // The panel is shared by every load of the dialog; this load's label goes into it.
    WindowBars::ensureBuilt(context.registry, WindowBars::Window::InputDialog);
    context.registry.item(QLatin1String(WindowBars::TitlePanel)).setPanelWidget(m_question);
    // The same texts ApplyLanguageTexts gives the answers, so the dialog speaks the
    // current language even when it loads before the texts were applied.
    WindowBars::applyTexts(context.registry, WindowBars::Window::InputDialog, context.language);
    m_cmdBar = std::make_unique<WindowCommandBar>(context.registry, context.folder,
                                                  context.currentBarStyle(),
                                                  WindowBars::Window::InputDialog);
    connect(&m_cmdBar->presenter(), &CommandBarPresenter::buttonClick, this,
            &InputDialog::buttonClick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_cmdBar->toolBar());
    setTitle(context.language.caption(Captions::LeaveWithoutSaving));

    const int width = Twips::forScreen(screen()).toPixels(WidthInTwips);
    // Never so narrow that an answer is pushed off the bar.
    resize(std::max(width, m_cmdBar->toolBar()->sizeHint().width()), sizeHint().height());
}

InputDialog::~InputDialog() = default;

void InputDialog::setTitle(const QString &text) {
    m_question->setText(text);
    m_cmdBar->toolBar()->setAccessibleName(text);
}

QString InputDialog::title() const {
    return m_question->text();
}

QToolBar *InputDialog::toolBar() const {
    return m_cmdBar->toolBar();
}

void InputDialog::buttonClick(int index, const QString &key) {
    if (index != m_cmdBar->index())
        return;
    const WindowBars::Action action = WindowBars::actionOf(key);
    if (action == WindowBars::Action::Yes)
        m_context.state.dialogAnswer = 1;
    else if (action == WindowBars::Action::No)
        m_context.state.dialogAnswer = 0;
    close();
}
