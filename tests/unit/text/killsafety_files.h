#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <vector>

// The program's files as the kill-safety test writes them: generation k of each file
// holds the text "gen<k>." and a size that grows with k (and falls back every 16
// generations, so a shorter file replaces a longer one too).
namespace KillSafety {

struct ProgramFile {
    // Below the program folder, spelled as the program spells it.
    QString relativePath;
    // Writes generation k through the program's own writer; false when the write failed.
    bool (*write)(const QString &root, qint64 generation);
    // What the program's own reader makes of the file, as text; nothing when it is missing.
    std::optional<QStringList> (*read)(const QString &root);
};

const std::vector<ProgramFile> &programFiles();

// The generation a read file names, -1 when it names none.
qint64 generationOf(const QStringList &readBack);

// Reads exactly size bytes from a pipe, through interruptions; false at its end or on an
// error. The test and its writer child talk over pipes with it.
bool readAll(int fd, void *data, size_t size);

} // namespace KillSafety
