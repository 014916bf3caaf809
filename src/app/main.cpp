// Until the main window exists, the program performs the reads of its start-up in its
// program folder and reports what it found, so a new user sees the files at work.
#include "app/programfiles.h"
#include "app/programstate.h"
#include "app/settingsfile.h"
#include "linktable/linktable.h"
#include "userdata/historyfile.h"
#include "userdata/optionsfile.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const ProgramFiles files(ProgramFolder::ofExecutable());
    ProgramState state;
    int status = 0;

    auto report = [&](const WriteResult &result) {
        if (!result) {
            out << "Cannot write " << result.path << ": " << result.error << '\n';
            status = 1;
        }
    };

    report(OptionsFile(files.optionsFile()).read(state.options, files.defaultHomeAddress()));
    const QString languagePath = files.languageFile(state.options.currentLanguage);
    if (!state.language.load(languagePath)) {
        out << "The language file " << languagePath << " cannot be read.\n";
        return 1;
    }
    // 1440 twips an inch at 96 pixels an inch; the window issue measures the real screen.
    state.settings = SettingsFile(files.settingsFile()).read(QSizeF(1920 * 15, 1080 * 15));
    const QStringList history = HistoryFile(files.historyFile()).read();
    LinkTable links(files.folder());
    report(links.readTitles(state.language));

    const QString home = state.options.homeAddress.isEmpty() ? files.defaultHomeAddress()
                                                             : state.options.homeAddress;
    out << state.language.caption(179) << " 1.0.1 — program folder " << files.folder().root()
        << "\n  language: " << state.options.currentLanguage << " ("
        << state.language.lastTranslationRow() + 1 << " translation languages, "
        << state.language.settings().tabNumber.value_or(0) << " tabs)"
        << "\n  home address: " << home << "\n  history: " << history.size()
        << " addresses\n  link groups: " << links.titles().title(1) << " ... "
        << links.titles().title(LinkTable::GroupCount) << "\n  today: " << state.todayText
        << "\nThe browser window is not built yet; this run read and wrote the program's files.\n";
    return status;
}
