// QuortTrans: the entry. Creates the main window, runs its load step and shows it.
#ifdef QUORTTRANS_BENCHMARK_PROBE
#include "startup/heartbeatprobe.h"
#endif
#include "browser/enginewebview.h"
#include "core/programlocation.h"
#include "core/version.h"
#include "export/libreoffice/libreofficesuite.h"
#include "mainwindow/mainpageexports.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/messageboxnotifier.h"
#include "startup/rendererprobe.h"
#include "startup/startaddress.h"
#include "startup/terminationhandler.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuortTrans"));
    QApplication::setApplicationVersion(QStringLiteral(QUORTTRANS_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.QuortTrans"));
#ifdef QUORTTRANS_BENCHMARK_PROBE
    const HeartbeatProbe heartbeat; // the benchmarks' view of the interface thread
#endif

    MessageBoxNotifier notifier;
    const ProgramFolder folder = ProgramLocation::ofExecutable();
    // Pages open web addresses, and of local files only the program's own (the start page).
    const NavigationPolicy policy(folder.shippedRoot());
    MainWindow window(ProgramFiles(folder), notifier,
                      [policy](int) { return new EngineWebView(nullptr, policy); });
    notifier.setOwner(&window);
    // Qt Quick's renderer is fixed before the first page; the language file may choose it.
    window.setBeforeFirstPage([](ProgramState &state) {
        state.renderer = RendererProbe::applyChoice(state.language.settings().renderer).reason;
    });
    // The office keeps its settings apart from a LibreOffice the user runs.
    window.pageExports().setOfficeSuite(std::make_unique<LibreOfficeSuite>(
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
        QStringLiteral("/office-profile")));
    // An address given on the command line (the desktop entry's %u) opens in tab 0 in
    // place of the home page.
    if (!window.load(StartAddress::fromArguments(QApplication::arguments())))
        return 1;
    TerminationHandler termination;
    QObject::connect(&termination, &TerminationHandler::terminationRequested, &window,
                     &MainWindow::exitAndSave);
    window.show();
    return app.exec();
}
