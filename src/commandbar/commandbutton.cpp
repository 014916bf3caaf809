#include "commandbutton.h"

#include "commandregistry.h"

CommandButton::CommandButton(ButtonsCollection &owner, QString key, int icon, ButtonStyle style)
    : m_owner(owner)
    , m_key(std::move(key))
    , m_icon(icon)
    , m_style(style) {}

void CommandButton::notify() {
    Q_EMIT changed(this);
}

void CommandButton::setIcon(int icon) {
    if (m_icon == icon)
        return;
    m_icon = icon;
    notify();
}

void CommandButton::setCaption(const QString &caption) {
    if (m_caption == caption)
        return;
    m_caption = caption;
    notify();
}

void CommandButton::setToolTip(const QString &toolTip) {
    if (m_toolTip == toolTip)
        return;
    m_toolTip = toolTip;
    notify();
}

void CommandButton::setNote(const QString &note) {
    if (m_note == note)
        return;
    m_note = note;
    notify();
}

void CommandButton::setChecked(bool checked) {
    // The others of the group are cleared first, so no observer ever sees two checked.
    if (checked && m_style == ButtonStyle::Option)
        m_owner.uncheckOthers(*this);
    if (m_checked == checked)
        return;
    m_checked = checked;
    notify();
}

void CommandButton::setEnabled(bool enabled) {
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    notify();
}

void CommandButton::setBar(CommandBar *bar) {
    if (m_bar == bar)
        return;
    m_bar = bar;
    notify();
}

void CommandButton::setShowCaption(bool show) {
    if (m_showCaption == show)
        return;
    m_showCaption = show;
    notify();
}

void CommandButton::setShowDropDown(bool show) {
    if (m_showDropDown == show)
        return;
    m_showDropDown = show;
    notify();
}

void CommandButton::setPanelWidth(int pixels) {
    if (m_panelWidth == pixels)
        return;
    m_panelWidth = pixels;
    notify();
}

void CommandButton::setPanelWidget(QWidget *widget) {
    if (m_panelWidget == widget)
        return;
    m_panelWidget = widget;
    notify();
}

QString CommandButton::optionGroup() const {
    if (m_style != ButtonStyle::Option)
        return {};
    const qsizetype colon = m_key.indexOf(QLatin1Char(':'));
    return (colon < 0 ? m_key : m_key.left(colon)).toUpper();
}
