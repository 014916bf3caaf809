#pragma once

#include "core/settingsvalues.h"
#include "text/writeresult.h"

#include <QList>
#include <QStringList>

class ProgramFiles;
struct ProgramState;

// What the program leaves on disk when it ends: the options, the history and the
// settings are written, the temporary page files go.
namespace ExitFiles {

// Every file is written even when an earlier one failed; the results say which failed.
QList<WriteResult> save(const ProgramFiles &files, const ProgramState &state,
                        const QStringList &history, const Placement<double> &placement);
// html.txt and doc.txt of the program folder.
void removeTemporaryFiles(const ProgramFiles &files);

} // namespace ExitFiles
