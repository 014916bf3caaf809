#include "commandregistry.h"

#include <stdexcept>

namespace {

QString lookupKey(const QString &key) {
    return key.toCaseFolded();
}

[[noreturn]] void unknown(const char *what, const QString &key) {
    throw std::out_of_range(std::string(what) + key.toStdString());
}

[[noreturn]] void duplicate(const char *what, const QString &key) {
    throw std::invalid_argument(std::string(what) + key.toStdString());
}

} // namespace

void CommandBar::add(CommandButton *button) {
    if (button)
        m_buttons.append(button);
}

QStringList CommandBar::keys() const {
    QStringList keys;
    keys.reserve(m_buttons.size());
    for (const CommandButton *button : m_buttons)
        keys.append(button->key());
    return keys;
}

ButtonsCollection::~ButtonsCollection() = default;

CommandButton *ButtonsCollection::add(const QString &key, int icon, ButtonStyle style,
                                      const QString &caption, const QString &toolTip) {
    const QString lookup = lookupKey(key);
    if (m_byKey.contains(lookup))
        duplicate("command key exists already: ", key);
    m_buttons.push_back(std::unique_ptr<CommandButton>(new CommandButton(*this, key, icon, style)));
    CommandButton *button = m_buttons.back().get();
    button->m_caption = caption;
    button->m_toolTip = toolTip;
    m_byKey.insert(lookup, button);
    return button;
}

CommandButton &ButtonsCollection::item(const QString &key) const {
    CommandButton *button = find(key);
    if (!button)
        unknown("unknown command key: ", key);
    return *button;
}

CommandButton *ButtonsCollection::find(const QString &key) const {
    return m_byKey.value(lookupKey(key), nullptr);
}

QList<CommandButton *> ButtonsCollection::all() const {
    QList<CommandButton *> list;
    list.reserve(static_cast<qsizetype>(m_buttons.size()));
    for (const auto &button : m_buttons)
        list.append(button.get());
    return list;
}

void ButtonsCollection::uncheckOthers(const CommandButton &checked) {
    const QString group = checked.optionGroup();
    for (const auto &button : m_buttons) {
        if (button.get() != &checked && button->m_checked && button->optionGroup() == group)
            button->setChecked(false);
    }
}

CommandBar *BarsCollection::add(const QString &key) {
    const QString lookup = lookupKey(key);
    if (m_byKey.contains(lookup))
        duplicate("bar key exists already: ", key);
    m_bars.push_back(std::make_unique<CommandBar>(key));
    CommandBar *bar = m_bars.back().get();
    m_byKey.insert(lookup, bar);
    return bar;
}

CommandBar &BarsCollection::item(const QString &key) const {
    CommandBar *bar = find(key);
    if (!bar)
        unknown("unknown bar key: ", key);
    return *bar;
}

CommandBar *BarsCollection::find(const QString &key) const {
    return m_byKey.value(lookupKey(key), nullptr);
}

QStringList BarsCollection::keys() const {
    QStringList keys;
    for (const auto &bar : m_bars)
        keys.append(bar->key());
    return keys;
}
