#pragma once

#include <QComboBox>

class BrowserTabs;
class LanguageFile;
struct ProgramState;

// `Text1`: the address to visit, with the history in its drop-down list, oldest first.
// Enter or a choice from the list navigates the current tab (`openTypedAddress`).
class AddressBar : public QComboBox {
    Q_OBJECT

public:
    AddressBar(BrowserTabs &tabs, ProgramState &state, const LanguageFile &language,
               QWidget *parent = nullptr);

    // Navigates the current tab to the bar's text. historyMode 1 adds a web address to
    // the history list, 0 does not.
    void openTypedAddress(int historyMode);

    // The history list: every entry, oldest first.
    QStringList history() const;
    // Reading the history: appends entries as they stand.
    void appendHistory(const QStringList &entries);
    // addToHistory: appends the current tab's page address unless the bar's text is already an
    // entry.
    void addToHistory();

    // Sets the text without touching the list.
    void setAddressText(const QString &text);
    // The address a page reports; what the user is typing is never overwritten by it.
    void showPageAddress(const QString &text);

Q_SIGNALS:
    // The bar got the focus (the floating bars stay while the user types).
    void focusEntered();
    // A navigation through the bar ended (floating bars restart their timer).
    void navigated();
    // The address was not sent: it is longer than any page address can be.
    void addressRefused(const QString &address);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    BrowserTabs &m_tabs;
    ProgramState &m_state;
    const LanguageFile &m_language;
};
