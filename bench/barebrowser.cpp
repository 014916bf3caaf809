// The engine's floor: the least a Qt WebEngine browser can be. The benchmarks compare
// QuortTrans with this program, so it must stay free of everything but its views.
//
// One address: one view in the window. Several: one view per address in a tab widget,
// and each line read from standard input then either opens one more address in a new tab
// or, when it says "blank", turns every tab but the first to about:blank (the tab memory
// benchmark's way of closing pages without closing tabs).
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QSocketNotifier>
#include <QTabWidget>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>
#include <unistd.h>

namespace {

QWebEngineView *addView(QTabWidget &tabs, const QString &address) {
    auto *view = new QWebEngineView(&tabs);
    tabs.addTab(view, address);
    view->load(QUrl::fromUserInput(address));
    return view;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: barebrowser ADDRESS...\n");
        return 2;
    }

    QMainWindow window;
    window.resize(1280, 800);
    if (arguments.size() == 2) {
        auto *view = new QWebEngineView(&window);
        window.setCentralWidget(view);
        window.show();
        view->load(QUrl::fromUserInput(arguments.at(1)));
        return QApplication::exec();
    }

    auto *tabs = new QTabWidget(&window);
    window.setCentralWidget(tabs);
    for (const QString &address : arguments.mid(1))
        addView(*tabs, address);
    window.show();

    QFile input;
    input.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered);
    QSocketNotifier notifier(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        const QByteArray line = input.readLine().trimmed();
        if (line.isEmpty() && input.atEnd()) {
            notifier.setEnabled(false); // the benchmark closed its end
            return;
        }
        if (line == "blank") {
            for (int index = 1; index < tabs->count(); ++index)
                static_cast<QWebEngineView *>(tabs->widget(index))
                    ->load(QUrl(QStringLiteral("about:blank")));
        } else if (!line.isEmpty()) {
            addView(*tabs, QString::fromUtf8(line));
        }
    });
    return QApplication::exec();
}
