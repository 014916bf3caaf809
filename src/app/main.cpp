// QuortTrans: the entry. Creates the main window, runs its load step and shows it.
#include "app/mainwindow.h"
#include "app/messageboxnotifier.h"
#include "app/terminationhandler.h"
#include "browser/enginewebview.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuortTrans"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.1"));
    QApplication::setDesktopFileName(QStringLiteral("quorttrans"));

    MessageBoxNotifier notifier;
    MainWindow window(ProgramFiles(ProgramFolder::ofExecutable()), notifier,
                      [](int) { return new EngineWebView; });
    notifier.setOwner(&window);
    if (!window.load())
        return 1;
    TerminationHandler termination;
    QObject::connect(&termination, &TerminationHandler::terminationRequested, &window,
                     &MainWindow::GO_Exit);
    window.show();
    return app.exec();
}
