#include "mainwindow/mainshortcuts.h"

#include "browser/addressbar.h"
#include "browser/findbar.h"
#include "commandbar/maincommandbars.h"
#include "commandbar/maincommandtable.h"

#include <QLineEdit>
#include <QShortcut>

namespace MainShortcuts {

void install(QWidget &window, FindBar &findBar, AddressBar &addressBar, MainCommandBars &bars,
             std::function<void()> spreadOverScreen) {
    for (const MainCommandTable::Command &command : MainCommandTable::commands()) {
        for (const QKeyCombination keys : command.keys) {
            if (!MainCommandTable::isGiven(keys))
                continue;
            auto *shortcut = new QShortcut(QKeySequence(keys), &window);
            const MainCommandTable::Command *chosen = &command;
            QObject::connect(shortcut, &QShortcut::activated, &bars, [&bars, &findBar, chosen] {
                if (chosen->findBarFirst && findBar.isVisible())
                    findBar.close();
                else
                    bars.choose(chosen->bar->element, QLatin1String(chosen->key));
            });
        }
    }
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
