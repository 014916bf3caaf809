#include "addressbar.h"

#include "addressrule.h"
#include "browsertabs.h"
#include "core/languagefile.h"
#include "core/programstate.h"
#include "sitename.h"
#include "userdata/historyfile.h"
#include "webview.h"

#include <QKeyEvent>
#include <QLineEdit>

AddressBar::AddressBar(BrowserTabs &tabs, ProgramState &state, const LanguageFile &language,
                       QWidget *parent)
    : QComboBox(parent)
    , m_tabs(tabs)
    , m_state(state)
    , m_language(language) {
    setEditable(true);
    // A line edit cuts text at 32767 characters and would send what is left; longer
    // addresses are kept whole so they can be refused with a message.
    lineEdit()->setMaxLength(int(AddressRule::MaxLength) + 1);
    // The history grows only through addToHistory, never by the combo box's own rules.
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setMaxVisibleItems(20);
    connect(this, &QComboBox::activated, this, [this](int index) {
        setAddressText(itemText(index));
        openTypedAddress(1);
    });
}

void AddressBar::setAddressText(const QString &text) {
    setEditText(text);
    // A long address shows its beginning, where the site's name is.
    if (!hasFocus())
        lineEdit()->setCursorPosition(0);
}

void AddressBar::showPageAddress(const QString &text) {
    if (hasFocus() && lineEdit()->isModified())
        return;
    setAddressText(text);
}

QStringList AddressBar::history() const {
    QStringList entries;
    for (int i = 0; i < count(); ++i)
        entries.append(itemText(i));
    return entries;
}

void AddressBar::appendHistory(const QStringList &entries) {
    // Adding to an empty list would put the first entry into the bar; the bar keeps
    // its text.
    const QString text = currentText();
    addItems(entries);
    setEditText(text);
}

void AddressBar::addToHistory() {
    if (HistoryFile::containsAddress(history(), currentText()))
        return;
    appendHistory({m_tabs.currentPage().address});
}

void AddressBar::openTypedAddress(int historyMode) {
    // What was typed has been used; the pages may show their addresses again.
    lineEdit()->setModified(false);
    WebView *view = m_tabs.currentView();
    QString text = currentText();
    if (text.isEmpty()) {
        view->navigate(m_language.settings().startPage);
    } else {
        const QString address = AddressRule::withScheme(text);
        if (AddressRule::isTooLong(address)) {
            Q_EMIT addressRefused(address);
            return;
        }
        if (address != text) {
            text = address;
            setAddressText(text);
        }
        view->navigate(text);
        const int current = m_tabs.currentIndex();
        m_tabs.setTabURL(current, text);
        m_tabs.setCaption(current, SiteName::of(text));
        m_state.bookmarkAddress = text;
        if (historyMode == 1 && text.trimmed().toLower().startsWith(QLatin1String("http")) &&
            text.size() > 8)
            addToHistory();
    }
    view->setFocus();
    Q_EMIT navigated();
}

void AddressBar::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        openTypedAddress(1);
        return;
    }
    QComboBox::keyPressEvent(event);
}

void AddressBar::focusInEvent(QFocusEvent *event) {
    QComboBox::focusInEvent(event);
    Q_EMIT focusEntered();
}
