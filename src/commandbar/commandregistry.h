#pragma once

#include "commandbutton.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// A bar, found by its key: an ordered list of buttons. Given to a toolbar it is shown as
// the toolbar; given to a button's Bar it is that button's drop-down menu. One button may
// stand on several bars, and more than once on one.
class CommandBar {
public:
    explicit CommandBar(QString key)
        : m_key(std::move(key)) {}

    const QString &key() const { return m_key; }
    void add(CommandButton *button);
    int count() const { return static_cast<int>(m_buttons.size()); }
    // Entries count from 0.
    CommandButton *at(int position) const { return m_buttons.value(position); }
    const QList<CommandButton *> &buttons() const { return m_buttons; }
    QStringList keys() const;

private:
    QString m_key;
    QList<CommandButton *> m_buttons;
};

// The ButtonsCollection shared by every window. Keys are unique across
// windows and compared without regard to letter case.
//
// Errors: item() of an unknown key throws std::out_of_range ("unknown command key: <key>");
// add() of a key that exists already, in any letter case, throws std::invalid_argument
// ("command key exists already: <key>"), as the component refused a second Add.
class ButtonsCollection {
public:
    ButtonsCollection() = default;
    ButtonsCollection(const ButtonsCollection &) = delete;
    ButtonsCollection &operator=(const ButtonsCollection &) = delete;
    ~ButtonsCollection();

    // Add (key, icon, caption, style, tooltip). The button lives as long as the collection.
    CommandButton *add(const QString &key, int icon, ButtonStyle style, const QString &caption = {},
                       const QString &toolTip = {});
    // Item (key).
    CommandButton &item(const QString &key) const;
    // nullptr for an unknown key.
    CommandButton *find(const QString &key) const;
    bool contains(const QString &key) const { return find(key) != nullptr; }
    int count() const { return static_cast<int>(m_buttons.size()); }
    // In the order created.
    QList<CommandButton *> all() const;

private:
    friend class CommandButton;
    void uncheckOthers(const CommandButton &checked);

    std::vector<std::unique_ptr<CommandButton>> m_buttons;
    QHash<QString, CommandButton *> m_byKey; // key case-folded
};

// The BarsCollection shared by every window; the same rules as the buttons.
class BarsCollection {
public:
    BarsCollection() = default;
    BarsCollection(const BarsCollection &) = delete;
    BarsCollection &operator=(const BarsCollection &) = delete;

    // Add (key): throws std::invalid_argument when the key exists already.
    CommandBar *add(const QString &key);
    // Item (key): throws std::out_of_range ("unknown bar key: <key>").
    CommandBar &item(const QString &key) const;
    CommandBar *find(const QString &key) const;
    bool contains(const QString &key) const { return find(key) != nullptr; }
    int count() const { return static_cast<int>(m_bars.size()); }
    // Bar keys in the order created.
    QStringList keys() const;

private:
    std::vector<std::unique_ptr<CommandBar>> m_bars;
    QHash<QString, CommandBar *> m_byKey;
};

// What the command-bar component held for all windows of one run: one collection of
// buttons and one of bars. The application owns it for the whole run and hands it to
// every window.
class CommandRegistry {
public:
    ButtonsCollection &buttons() { return m_buttons; }
    const ButtonsCollection &buttons() const { return m_buttons; }
    BarsCollection &bars() { return m_bars; }
    const BarsCollection &bars() const { return m_bars; }

    // ButtonsCollection.Item (key): the button; std::out_of_range for an unknown key.
    CommandButton &item(const QString &key) const { return m_buttons.item(key); }
    // nullptr for an unknown key.
    CommandButton *find(const QString &key) const { return m_buttons.find(key); }
    // Item (key) as pointers, for connect() and the like.
    CommandButton *button(const QString &key) const { return &m_buttons.item(key); }
    CommandBar *bar(const QString &key) const { return &m_bars.item(key); }

private:
    // Declared first, destroyed last: bars refer to buttons.
    ButtonsCollection m_buttons;
    BarsCollection m_bars;
};
