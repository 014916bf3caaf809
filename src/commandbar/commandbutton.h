#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class ButtonsCollection;
class CommandBar;

// Styles a button is created with; the numbers are the ones the program
// always stored.
enum class ButtonStyle {
    Plain = 0,
    Separator = 1,
    Panel = 3,  // reserves room on a bar or hosts a widget
    Check = 4,  // the presentation toggles Checked when it is chosen
    Option = 6, // the program sets Checked; one checked button per option group
};

// One command-bar button, found by its CommandKey. It knows nothing of how it is drawn:
// the presentation shows it and follows its changed() signal.
class CommandButton : public QObject {
    Q_OBJECT

public:
    const QString &key() const { return m_key; }
    ButtonStyle style() const { return m_style; }

    // Position of the picture in the window's image list; -1 for none.
    int icon() const { return m_icon; }
    void setIcon(int icon);

    // The text shown in menus, and on a toolbar when ShowCaption is on.
    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);
    const QString &toolTip() const { return m_toolTip; }
    void setToolTip(const QString &toolTip);
    // A short word shown after the caption in a menu, apart from it; not part of the
    // caption, so commands that go by the caption never see it.
    const QString &note() const { return m_note; }
    void setNote(const QString &note);

    bool checked() const { return m_checked; }
    // Checking an option button unchecks the other option buttons of its group.
    void setChecked(bool checked);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Bar: the bar that drops down from this button (its menu), or nullptr.
    CommandBar *bar() const { return m_bar; }
    void setBar(CommandBar *bar);
    bool showCaption() const { return m_showCaption; }
    void setShowCaption(bool show);
    bool showDropDown() const { return m_showDropDown; }
    void setShowDropDown(bool show);

    // Panels: the width of the room in pixels (0: as wide as the hosted widget wants) and
    // the widget hosted in it (PanelControl).
    int panelWidth() const { return m_panelWidth; }
    void setPanelWidth(int pixels);
    QWidget *panelWidget() const { return m_panelWidget; }
    void setPanelWidget(QWidget *widget);

    // Tag: a value the button carries for its command, not shown; a language item keeps
    // its file's own spelling of the language there, which its upper-case key may lose.
    const QString &tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // Option buttons whose keys share the word before the first ":" form one group:
    // FILE:SYSTEM, FILE:OFFICE, FILE:XP, FILE:MONEY; every LANG:, TRANSLANG: and MYLANG:
    // item. A key without ":" is a group of its own. Empty for other styles.
    QString optionGroup() const;

Q_SIGNALS:
    // Any property above changed; the presentation reads them all again.
    void changed(CommandButton *button);

private:
    friend class ButtonsCollection;
    CommandButton(ButtonsCollection &owner, QString key, int icon, ButtonStyle style);

    void notify();

    ButtonsCollection &m_owner;
    QString m_key;
    int m_icon;
    ButtonStyle m_style;
    QString m_caption;
    QString m_toolTip;
    QString m_note;
    QString m_tag;
    bool m_checked = false;
    bool m_enabled = true;
    CommandBar *m_bar = nullptr;
    bool m_showCaption = false;
    bool m_showDropDown = false;
    int m_panelWidth = 0;
    QPointer<QWidget> m_panelWidget;
};
