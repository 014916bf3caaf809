#include "startup/exitfiles.h"

#include "core/programfiles.h"
#include "core/programstate.h"
#include "userdata/historyfile.h"
#include "userdata/optionsfile.h"
#include "userdata/settingsfile.h"

#include <QFile>

namespace ExitFiles {

QList<WriteResult> save(const ProgramFiles &files, const ProgramState &state,
                        const QStringList &history, const Placement<double> &placement) {
    return {
        OptionsFile(files.optionsFile()).save(state.options),
        HistoryFile(files.historyFile()).save(history),
        SettingsFile(files.settingsFile()).save(state.settings, placement),
    };
}

void removeTemporaryFiles(const ProgramFiles &files) {
    for (const char *name : {"html.txt", "doc.txt"}) {
        const QString path = files.folder().path(QLatin1String(name));
        if (QFile::exists(path))
            QFile::remove(path);
    }
}

} // namespace ExitFiles
