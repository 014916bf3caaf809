#include "killsafety_files.h"

#include "core/languagefile.h"
#include "linktable/linkgroupfile.h"
#include "linktable/linktitles.h"
#include "text/programfolder.h"
#include "text/textfile.h"
#include "userdata/bookmarkfile.h"
#include "userdata/historyfile.h"
#include "userdata/optionsfile.h"
#include "userdata/settingsfile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <unistd.h>

namespace KillSafety {

namespace {

const QString OptionsName = QStringLiteral("Data/quortspeak.Opt");
const QString HistoryName = QStringLiteral("Data/quortspeak.Hys");
const QString BookmarkName = QStringLiteral("Data/QuortBook.bm");
const QString SettingsName = QStringLiteral("Data/Quortspeak.Ini");
const QString TitlesName = QStringLiteral("Links/Links.Bok");
const QString GroupName = QStringLiteral("Links/Links.001");
const QString Language = QStringLiteral("Test");

// The program builds every path through its folder, which matches names ignoring case.
QString pathOf(const QString &root, const QString &relative) {
    return ProgramFolder(root).path(relative);
}

// Where the size of a generation stands in its cycle of 16.
int sizeStep(qint64 generation) {
    return int(generation % 16);
}

QString mark(qint64 generation) {
    return QStringLiteral("gen%1.").arg(generation);
}

// A path that exists, or nothing: the readers would make up defaults for a missing file,
// and a missing file is what the test must see.
std::optional<QString> existing(const QString &root, const QString &relative) {
    const QString path = pathOf(root, relative);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return path;
}

bool writeOptions(const QString &root, qint64 k) {
    Options options;
    options.selectedBarStyle = qint16(k % 4);
    options.spareA = qint16(k % 30000);
    options.autoHideBars = qint16(k % 2);
    options.spareB = qint16(sizeStep(k));
    options.homeAddress =
        QStringLiteral("http://127.0.0.1/%1/").arg(mark(k)) + QString(sizeStep(k) * 8, u'a');
    options.currentLanguage = QStringLiteral("Language ") + mark(k);
    return OptionsFile(pathOf(root, OptionsName)).save(options).ok;
}

std::optional<QStringList> readOptions(const QString &root) {
    const auto path = existing(root, OptionsName);
    if (!path)
        return std::nullopt;
    Options options;
    if (!OptionsFile(*path).read(options, QStringLiteral("default home")).ok)
        return std::nullopt;
    return QStringList{QString::number(options.selectedBarStyle),
                       QString::number(options.spareA),
                       QString::number(options.autoHideBars),
                       QString::number(options.spareB),
                       options.homeAddress,
                       options.currentLanguage};
}

bool writeHistory(const QString &root, qint64 k) {
    QStringList list;
    // More entries than are kept, and an empty one the writer leaves out.
    for (int i = 0; i <= sizeStep(k); ++i)
        list.append(i == 3 ? QString()
                           : QStringLiteral("http://127.0.0.1/%1/h%2").arg(mark(k)).arg(i));
    return HistoryFile(pathOf(root, HistoryName)).save(list).ok;
}

std::optional<QStringList> readHistory(const QString &root) {
    const auto path = existing(root, HistoryName);
    if (!path)
        return std::nullopt;
    return HistoryFile(*path).read();
}

bool writeBookmark(const QString &root, qint64 k) {
    const QString address = QStringLiteral("http://127.0.0.1/%1/bookmark?").arg(mark(k)) +
                            QString(sizeStep(k) * 16, u'q');
    return BookmarkFile(pathOf(root, BookmarkName)).save(address).ok;
}

std::optional<QStringList> readBookmark(const QString &root) {
    const auto path = existing(root, BookmarkName);
    if (!path)
        return std::nullopt;
    const std::optional<QString> address = BookmarkFile(*path).read();
    if (!address)
        return QStringList();
    return QStringList{*address};
}

bool writeSettings(const QString &root, qint64 k) {
    SettingsValues values;
    values.linkTable = {double(k), 0.5 * double(sizeStep(k)), 4000, 6000};
    values.editor = {1.25 * double(k), 10, 3000.5, 5000};
    values.windowMode = qint16(k % 3);
    values.myLanguage = mark(k) + QString(sizeStep(k), u'l');
    const Placement<double> main{double(k % 1000), double(sizeStep(k)), 5000, 9000};
    return SettingsFile(pathOf(root, SettingsName)).save(values, main).ok;
}

std::optional<QStringList> readSettings(const QString &root) {
    const auto path = existing(root, SettingsName);
    if (!path)
        return std::nullopt;
    const SettingsValues v = SettingsFile(*path).read(QSizeF(19200, 12000));
    QStringList out;
    for (const qint32 n : {v.main.top, v.main.left, v.main.height, v.main.width})
        out.append(QString::number(n));
    for (const auto &placement : {v.linkTable, v.editor}) {
        for (const double d : {placement.top, placement.left, placement.height, placement.width})
            out.append(QString::number(d, 'g', 17));
    }
    out.append(QString::number(v.windowMode));
    out.append(v.myLanguage);
    return out;
}

bool writeTitles(const QString &root, qint64 k) {
    LinkTitles titles(pathOf(root, TitlesName));
    for (int entry = 1; entry <= LinkTitles::WrittenEntries; ++entry) {
        // Titles hold commas of their own; the last comma ends the title.
        titles.setTitle(entry, QStringLiteral("%1 group %2, %3").arg(mark(k)).arg(entry).arg(k));
        titles.setCount(entry, int((k + entry) % 100));
    }
    return titles.save().ok;
}

std::optional<QStringList> readTitles(const QString &root) {
    const auto path = existing(root, TitlesName);
    if (!path)
        return std::nullopt;
    LinkTitles titles(*path);
    if (!titles.read(QStringLiteral("default")).ok)
        return std::nullopt;
    QStringList out;
    for (int entry = 1; entry <= LinkTitles::Capacity; ++entry)
        out.append(titles.title(entry) + QLatin1Char('|') + QString::number(titles.count(entry)));
    return out;
}

// A group file holds no count of its own; the reader is asked for more lines than any
// generation writes, so a cut-off file shows as blank entries.
constexpr int GroupLinesRead = 200;

bool writeGroup(const QString &root, qint64 k) {
    QList<LinkEntry> entries;
    for (int i = 0; i <= sizeStep(k) * 3; ++i) {
        entries.append({QStringLiteral("%1 link %2").arg(mark(k)).arg(i),
                        QStringLiteral("http://127.0.0.1/%1/l%2").arg(mark(k)).arg(i),
                        QStringLiteral("free text;-;%1").arg(i),
                        QStringLiteral("private %1").arg(k), QStringLiteral("127.0.0.1/l%1").arg(i),
                        QStringLiteral("2026-12-08")});
    }
    return LinkGroupFile::write(pathOf(root, GroupName), entries).ok;
}

std::optional<QStringList> readGroup(const QString &root) {
    const auto path = existing(root, GroupName);
    if (!path)
        return std::nullopt;
    const auto entries = LinkGroupFile::read(*path, GroupLinesRead);
    if (!entries)
        return std::nullopt;
    QStringList out;
    for (const LinkEntry &e : *entries)
        out.append(
            QStringList{e.name, e.address, e.freeText, e.privateText, e.shownAddress, e.dateAdded}
                .join(QLatin1Char('|')));
    return out;
}

// The language editor writes a new language file line by line.
bool writeLanguage(const QString &root, qint64 k) {
    QStringList lines{QStringLiteral("' test language"),
                      QStringLiteral("[Settings]"),
                      QStringLiteral("START_PAGE=http://127.0.0.1/%1/").arg(mark(k)),
                      QStringLiteral("LANG=Tst"),
                      QStringLiteral("TAB_NUMBER=%1").arg(k % 9),
                      QStringLiteral("[Languages]"),
                      QStringLiteral("English:=:en"),
                      QStringLiteral("Test %1:=:ts").arg(k),
                      QStringLiteral("[Captions]")};
    for (int n = 1; n <= 1 + sizeStep(k) * 3; ++n)
        lines.append(QStringLiteral("\"%1 caption %2\"").arg(mark(k)).arg(n));
    const QString path = LanguageFile::pathFor(ProgramFolder(root), Language);
    return !path.isEmpty() && TextFile::writeLines(path, lines).ok;
}

std::optional<QStringList> readLanguage(const QString &root) {
    const QString path = LanguageFile::pathFor(ProgramFolder(root), Language);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    LanguageFile file;
    if (!file.load(path))
        return std::nullopt;
    const LanguageSettings &s = file.settings();
    QStringList out{s.startPage, s.lang, QString::number(s.tabNumber.value_or(-1))};
    for (int row = 0; row <= file.lastTranslationRow(); ++row)
        out.append(file.translationRow(row).name + QLatin1String(":=:") +
                   file.translationRow(row).code);
    for (int n = 1; n <= LanguageFile::CaptionCount; ++n)
        out.append(file.caption(n));
    return out;
}

} // namespace

const std::vector<ProgramFile> &programFiles() {
    static const std::vector<ProgramFile> files{
        {OptionsName, writeOptions, readOptions},
        {HistoryName, writeHistory, readHistory},
        {BookmarkName, writeBookmark, readBookmark},
        {SettingsName, writeSettings, readSettings},
        {TitlesName, writeTitles, readTitles},
        {GroupName, writeGroup, readGroup},
        {QStringLiteral("languages/Trans_") + Language + QStringLiteral(".txt"), writeLanguage,
         readLanguage},
    };
    return files;
}

qint64 generationOf(const QStringList &readBack) {
    static const QRegularExpression generation(QStringLiteral("gen(\\d+)\\."));
    for (const QString &value : readBack) {
        const QRegularExpressionMatch match = generation.match(value);
        if (match.hasMatch())
            return match.captured(1).toLongLong();
    }
    return -1;
}

bool readAll(int fd, void *data, size_t size) {
    auto *bytes = static_cast<char *>(data);
    while (size > 0) {
        const ssize_t n = ::read(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= size_t(n);
    }
    return true;
}

} // namespace KillSafety
