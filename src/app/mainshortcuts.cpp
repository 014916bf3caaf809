#include "app/mainshortcuts.h"

#include "browser/addressbar.h"
#include "browser/findbar.h"

#include <QLineEdit>
#include <QShortcut>

namespace MainShortcuts {

void install(QWidget &window, FindBar &findBar, AddressBar &addressBar,
             std::function<void()> spreadOverScreen) {
    auto *find = new QShortcut(QKeySequence::Find, &window);
    QObject::connect(find, &QShortcut::activated, &findBar, &FindBar::open);
    auto *f12 = new QShortcut(QKeySequence(Qt::Key_F12), &window);
    QObject::connect(f12, &QShortcut::activated, &window, std::move(spreadOverScreen));
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_L),
                                     QKeySequence(Qt::ALT | Qt::Key_D), QKeySequence(Qt::Key_F6)}) {
        auto *shortcut = new QShortcut(keys, &window);
        QObject::connect(shortcut, &QShortcut::activated, &addressBar, [&addressBar] {
            addressBar.setFocus(Qt::ShortcutFocusReason);
            addressBar.lineEdit()->selectAll();
        });
    }
}

} // namespace MainShortcuts
