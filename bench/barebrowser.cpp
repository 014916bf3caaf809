// The engine's floor: the least a Qt WebEngine browser can be. The benchmark compares
// QuortTrans with this program, so it must stay free of everything but one view.
#include <QApplication>
#include <QMainWindow>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: barebrowser ADDRESS\n");
        return 2;
    }

    QMainWindow window;
    auto *view = new QWebEngineView(&window);
    window.setCentralWidget(view);
    window.resize(1280, 800);
    window.show();
    view->load(QUrl::fromUserInput(arguments.at(1)));
    return QApplication::exec();
}
