// The engine's floor: the least a Qt WebEngine browser can be. The benchmarks compare
// QuortTrans with this program, so it must stay free of everything but its views.
//
// One address: one view in the window. With --tabs first: a tab widget, and each line
// read from standard input then either opens one more address in a new tab, which shows
// at once as a user's new tab does, or, when it says "blank", turns every tab but the first
// to about:blank (the tab memory benchmark's way of closing pages without closing tabs).
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
    const bool tabbed = arguments.size() == 3 && arguments.at(1) == QLatin1String("--tabs");
    if (arguments.size() != 2 && !tabbed) {
        std::fprintf(stderr, "usage: barebrowser [--tabs] ADDRESS\n");
        return 2;
    }

    QMainWindow window;
    window.resize(1280, 800);
    if (!tabbed) {
        auto *view = new QWebEngineView(&window);
        window.setCentralWidget(view);
        window.show();
        view->load(QUrl::fromUserInput(arguments.at(1)));
        return QApplication::exec();
    }

    auto *tabs = new QTabWidget(&window);
    window.setCentralWidget(tabs);
    addView(*tabs, arguments.at(2));
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
            tabs->setCurrentWidget(addView(*tabs, QString::fromUtf8(line)));
        }
    });
    return QApplication::exec();
}
