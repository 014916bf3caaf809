#pragma once

#include <QTabBar>

class LinkTitles;

// TabF: one strip of link group tabs. Of the stacked strips only the one the user chose
// last marks a tab as current; the others draw every tab alike, while a QTabBar always
// keeps a current index of its own.
class GroupStrip : public QTabBar {
    Q_OBJECT

public:
    explicit GroupStrip(int strip, QWidget *parent = nullptr);

    int strip() const { return m_strip; }
    bool showsCurrent() const { return m_showsCurrent; }
    void setShowsCurrent(bool shows);

    // A title as its tab shows it and as a screen reader names it; "&" is not a mnemonic.
    void setTitle(int index, const QString &title);
    QString title(int index) const;
    // Every tab's title: tab t of strip s shows title entry 1 + s × 15 + t.
    void setTitles(const LinkTitles &titles);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_strip;
    bool m_showsCurrent = false;
};
