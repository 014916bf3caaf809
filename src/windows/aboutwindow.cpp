#include "aboutwindow.h"

#include "commandbar/commandregistry.h"
#include "commandbar/windowcommandbar.h"
#include "commandbar/windowimages.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "core/notifier.h"
#include "core/programstate.h"
#include "core/version.h"
#include "desktop/desktop.h"
#include "linklabel.h"

#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString ProgramTitle = QStringLiteral("QuortTrans");
const QString ProgramVersion = QStringLiteral(QUORTTRANS_VERSION);
// Fixed texts of the window, the same in every language.
const QString CreditText = QStringLiteral("Made by the QuortTrans developers");
const QString FirstSiteName = QStringLiteral("quorttrans.example.org");
const QString SecondSiteName = QStringLiteral("quorttrans.example.org/guides");
const QString RendererText = QStringLiteral("Renderer: ");

// Navy reads well on the light blue; the usual link blue does not.
const QColor LinkColour = QColor(0, 0, 128);

constexpr int PictureSize = 48;
constexpr int TextWidth = 360;

} // namespace

const QColor AboutWindow::Background = QColor(132, 171, 227);

QUrl AboutWindow::helpPage() {
    return QUrl(QStringLiteral("https://quorttrans.example.org/quorttrans/quorttranshelp.html"));
}

QUrl AboutWindow::mailAddress() {
    return QUrl(QStringLiteral("mailto:developers@quorttrans.example.org"));
}

QUrl AboutWindow::firstSite() {
    return QUrl(QStringLiteral("https://quorttrans.example.org/"));
}

QUrl AboutWindow::secondSite() {
    return QUrl(QStringLiteral("https://quorttrans.example.org/guides/"));
}

AboutWindow::AboutWindow(const WindowContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context) {
    setModal(true);
    setWindowTitle(context.language.caption(Captions::AboutWindow));

    QPalette colours = palette();
    colours.setColor(QPalette::Window, Background);
    colours.setColor(QPalette::Link, LinkColour); // the labels acting as links take it
    setPalette(colours);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(12);
    addProgramRows(grid);
    grid->setRowMinimumHeight(4, 12);
    addSiteRows(grid);
    grid->setRowMinimumHeight(9, 12);
    QLabel *disclaimer = addLabel("lblDisclaimer", context.language.caption(Captions::Disclaimer));
    disclaimer->setWordWrap(true);
    disclaimer->setMinimumWidth(TextWidth);
    grid->addWidget(disclaimer, 10, 0, 1, 2);

    createBar();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(grid);
    layout->addWidget(m_cmdBar->toolBar());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::addProgramRows(QGridLayout *grid) {
    const LanguageFile &texts = m_context.language;
    auto *picture = addLabel("Image1", {});
    picture->setPixmap(
        WindowImages::mainPicture(m_context.folder, "ABOUT").pixmap(PictureSize, PictureSize));
    picture->setAccessibleName(ProgramTitle);
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel *title = addLabel("lblTitle", ProgramTitle);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    title->setFont(titleFont);
    QLabel *version = addLabel("lblVersion", texts.caption(Captions::Version) + QLatin1Char(' ') +
                                                 ProgramVersion);
    // Which renderer draws the pages and why: technical words, like the version number.
    QLabel *renderer = addLabel("lblRenderer", RendererText + m_context.state.renderer);
    renderer->setAccessibleName(renderer->text());
    renderer->setVisible(!m_context.state.renderer.isEmpty());
    LinkLabel *credit = addLink("Label1", CreditText, mailAddress());
    credit->setToolTip(texts.caption(Captions::WriteToAuthor));

    grid->addWidget(picture, 0, 0, 4, 1);
    grid->addWidget(title, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(renderer, 2, 1);
    grid->addWidget(credit, 3, 1, Qt::AlignLeft);
    connect(credit, &LinkLabel::clicked, this, [this] { open(mailAddress()); });
}

void AboutWindow::addSiteRows(QGridLayout *grid) {
    const LanguageFile &texts = m_context.language;
    LinkLabel *visit = addLink("lblDescription", texts.caption(Captions::Visit), firstSite());
    LinkLabel *firstSiteName = addLink("lbSite", FirstSiteName, firstSite());
    QLabel *firstSiteText = addLabel("lbDescr", texts.caption(Captions::FirstSiteOffers));
    QLabel *visitB = addLabel("lbVisitB", texts.caption(Captions::Visit));
    LinkLabel *secondSiteName = addLink("Label3", SecondSiteName, secondSite());
    QLabel *secondSiteText = addLabel("lbDescrB", texts.caption(Captions::SecondSiteOffers));
    for (QLabel *label : {firstSiteText, secondSiteText}) {
        label->setWordWrap(true);
        label->setMinimumWidth(TextWidth);
    }

    // Each "visit" prompt and its site share a row, the site's line under its name, so the
    // pairs stay aligned whatever the texts' lengths.
    grid->addWidget(visit, 5, 0, Qt::AlignRight);
    grid->addWidget(firstSiteName, 5, 1, Qt::AlignLeft);
    grid->addWidget(firstSiteText, 6, 1);
    grid->addWidget(visitB, 7, 0, Qt::AlignRight);
    grid->addWidget(secondSiteName, 7, 1, Qt::AlignLeft);
    grid->addWidget(secondSiteText, 8, 1);
    connect(visit, &LinkLabel::clicked, this, [this] { open(firstSite()); });
    connect(firstSiteName, &LinkLabel::clicked, this, [this] { open(firstSite()); });
    connect(secondSiteName, &LinkLabel::clicked, this, [this] { open(secondSite()); });
}

void AboutWindow::createBar() {
    const LanguageFile &texts = m_context.language;
    WindowBars::ensureBuilt(m_context.registry, WindowBars::Window::About);
    WindowBars::applyTexts(m_context.registry, WindowBars::Window::About, texts);
    m_cmdBar =
        std::make_unique<WindowCommandBar>(m_context.registry, m_context.folder,
                                           m_context.currentBarStyle(), WindowBars::Window::About);
    m_cmdBar->toolBar()->setAccessibleName(texts.caption(Captions::AboutWindow));
    connect(&m_cmdBar->presenter(), &CommandBarPresenter::buttonClick, this,
            &AboutWindow::buttonClick);
}

AboutWindow::~AboutWindow() = default;

QToolBar *AboutWindow::toolBar() const {
    return m_cmdBar->toolBar();
}

QLabel *AboutWindow::addLabel(const char *name, const QString &text) {
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    return label;
}

LinkLabel *AboutWindow::addLink(const char *name, const QString &text, const QUrl &address) {
    auto *label = new LinkLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setText(text);
    label->setToolTip(address.toString());
    label->setAccessibleDescription(address.toString());
    return label;
}

void AboutWindow::buttonClick(int index, const QString &key) {
    if (index != m_cmdBar->index())
        return;
    if (WindowBars::actionOf(key) == WindowBars::Action::Help)
        open(helpPage());
    close();
}

void AboutWindow::open(const QUrl &address) {
    if (!m_context.desktop.openUrl(address))
        m_context.notifier.warn(m_context.language.caption(Captions::ProgramName),
                                m_context.language.caption(Captions::FileNotOpened) +
                                    QLatin1Char('\n') + address.toString());
}

void AboutWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // Centred on every opening, wherever it was moved to before.
    if (!event->spontaneous())
        centre();
}

void AboutWindow::centre() {
    const QScreen *display = screen();
    if (!display)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(display->geometry().center());
    move(frame.topLeft());
}
