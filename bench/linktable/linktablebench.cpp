// Search on 105 groups of 30 links: each keystroke to the list of links found painted;
// and a 10,000-bookmark file imported while the window stays answering. A heartbeat timer
// on the interface thread gives its longest silence, as the program's stall probe does.
#include "commandbar/commandregistry.h"
#include "commandbar/imagelist.h"
#include "commandbar/maincommandset.h"
#include "core/languagefile.h"
#include "core/programstate.h"
#include "linktable/bookmarktransfer.h"
#include "linktable/linksearchbox.h"
#include "linktable/linktablewindow.h"
#include "programfolderfixture.h"
#include "recordingdesktop.h"
#include "recordingnotifier.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int Groups = 105;
constexpr int LinksPerGroup = 30;

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The Links folder as bench/linktable.py fills it: 105 groups of 30 links.
void fillLinks(const QString &folder) {
    QByteArray titles;
    for (int n = 1; n <= 150; ++n)
        titles += "Travel and maps " + QByteArray::number(n) + "," +
                  QByteArray::number(n <= Groups ? LinksPerGroup : 0) + "\r\n";
    writeFile(folder + "/Links/Links.Bok", titles);
    for (int group = 0; group < Groups; ++group) {
        QByteArray rows;
        for (int n = 0; n < LinksPerGroup; ++n) {
            const QByteArray address = "https://www.example.org/articles/" +
                                       QByteArray::number(group) + "/" + QByteArray::number(n) +
                                       "/wombats-and-their-burrows";
            rows += "Wombats and their burrows, volume " + QByteArray::number(n + 1) +
                    " of group " + QByteArray::number(group) + (n == 7 ? " Café" : "") + ";-;" +
                    address + ";-;read again before the trip;-;pin;-;" + address +
                    ";-;2026-01-02\r\n";
        }
        writeFile(folder + QStringLiteral("/Links/Links.%1").arg(group, 3, 10, QLatin1Char('0')),
                  rows);
    }
}

// Firefox's form: 100 folders of 100 links, every tenth with an inlined icon.
QString bookmarkFile(const QString &folder) {
    QByteArray html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<META HTTP-EQUIV=\"Content-Type\" "
                      "CONTENT=\"text/html; charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n"
                      "<H1>Bookmarks Menu</H1>\n<DL><p>\n";
    const QByteArray icon = "data:image/png;base64," + QByteArray(1500, 'A');
    for (int f = 0; f < 100; ++f) {
        html += "    <DT><H3 ADD_DATE=\"1700000000\">Folder " + QByteArray::number(f) +
                "</H3>\n    <DL><p>\n";
        for (int n = 0; n < 100; ++n) {
            html += "        <DT><A HREF=\"https://site" + QByteArray::number(n) +
                    ".example/page/" + QByteArray::number(f) +
                    "?q=a&amp;b=c\" ADD_DATE=\"1704110400\"" +
                    (n % 10 == 0 ? " ICON=\"" + icon + "\"" : QByteArray()) + ">Caf&eacute; page " +
                    QByteArray::number(n) + " &amp; more</A>\n        <DD>A note\n";
        }
        html += "    </DL><p>\n";
    }
    html += "</DL><p>\n";
    const QString path = folder + "/bookmarks.html";
    writeFile(path, html);
    return path;
}

// The interface thread's own processor time: a keystroke that took long while its thread
// ran little waited for a processor that other programs held.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The longest time the interface thread went without running its timer.
class Heartbeat {
public:
    Heartbeat() {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
    }
    void start() {
        m_clock.start();
        m_last = 0;
        m_longest = 0;
        m_timer.start();
    }
    double longestMs() const { return m_longest / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

struct Run {
    TemporaryProgramFolder programFolder;
    ProgramFolder folder{programFolder.path()};
    LanguageFile language;
    ImageList images;
    CommandRegistry registry;
    RecordingNotifier notifier;
    RecordingDesktop desktop;
    ProgramState state;
    std::unique_ptr<LinkTable> table;

    Run() {
        language.load(LanguageFile::pathFor(folder, QStringLiteral("English")));
        MainCommands::BuildMainCommandSet(registry, images, language, folder);
    }
    std::unique_ptr<LinkTableWindow> open() {
        table = std::make_unique<LinkTable>(folder);
        (void)table->readTitles(language);
        WindowContext context{registry, language, folder,          notifier,
                              desktop,  state,    [] { return 0; }};
        auto window =
            std::make_unique<LinkTableWindow>(context, *table, [] { return LinkTable::Page(); });
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            std::printf("the window was not shown\n");
        return window;
    }
};

class PaintSeen : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void searchBench() {
    Run run;
    fillLinks(run.programFolder.path());
    auto window = run.open();
    QLineEdit *field = window->search()->field();
    QListView *hits = window->search()->hits();
    PaintSeen seen;
    hits->viewport()->installEventFilter(&seen);
    PaintSeen gridSeen; // the grid, shown again when the field is cleared
    window->gridList()->viewport()->installEventFilter(&gridSeen);
    double longestClear = 0;
    double clearCpu = 0; // the interface thread's processor time for the longest clear
    Heartbeat heartbeat;
    heartbeat.start();
    if (!QTest::qWaitFor([&window] { return window->search()->isReady(); }, 5000))
        std::printf("the index was not built\n");
    const double silenceWhileBuilding = heartbeat.longestMs();
    heartbeat.start();
    struct Key {
        double ms;
        double cpuMs; // of the interface thread
        QString text; // typed so far
        int order;    // 0 for the window's first keystroke
        bool operator<(const Key &other) const { return ms < other.ms; }
    };
    QList<Key> keys;
    for (int round = 0; round < 5; ++round) {
        for (const QString &query :
             {QStringLiteral("wombats volume 3"), QStringLiteral("cafe"),
              QStringLiteral("group 104"), QStringLiteral("example.org/articles/5")}) {
            if (!field->text().isEmpty()) {
                gridSeen.painted = false;
                QElapsedTimer cleared;
                cleared.start();
                const double cpu = threadCpuMs();
                field->clear();
                while (!gridSeen.painted && cleared.elapsed() < 1000)
                    QCoreApplication::processEvents(QEventLoop::AllEvents);
                if (cleared.nsecsElapsed() / 1e6 > longestClear) {
                    longestClear = cleared.nsecsElapsed() / 1e6;
                    clearCpu = threadCpuMs() - cpu;
                }
            }
            QTest::qWait(20);
            for (const QChar c : query) {
                seen.painted = false;
                QElapsedTimer clock;
                clock.start();
                const double cpu = threadCpuMs();
                QTest::keyClick(field, c.toLatin1());
                while (!seen.painted && clock.elapsed() < 1000)
                    QCoreApplication::processEvents(QEventLoop::AllEvents);
                keys.append({clock.nsecsElapsed() / 1e6, threadCpuMs() - cpu, field->text(),
                             static_cast<int>(keys.size())});
                QTest::qWait(5);
            }
        }
    }
    std::sort(keys.begin(), keys.end());
    std::printf(
        "search, 105 x 30 links: %lld keystrokes, keystroke to painted list: median %.2f ms, "
        "95th %.2f ms, longest %.2f ms ; longest silence while the index was built %.1f ms, "
        "while typing (the field cleared between texts) %.1f ms\n",
        static_cast<long long>(keys.size()), keys[keys.size() / 2].ms,
        keys[keys.size() * 95 / 100].ms, keys.last().ms, silenceWhileBuilding,
        heartbeat.longestMs());
    double mostCpu = 0;
    for (const Key &key : keys)
        mostCpu = std::max(mostCpu, key.cpuMs);
    std::printf("interface thread's processor time for one keystroke: at most %.2f ms; field "
                "cleared to grid painted again: at most %.1f ms (%.1f ms running)\n",
                mostCpu, longestClear, clearCpu);
    std::printf("slowest keystrokes:");
    for (qsizetype n = keys.size() - 1; n >= 0 && n >= keys.size() - 5; --n)
        std::printf(" %.1f ms (%.1f ms running) #%d \"%s\";", keys[n].ms, keys[n].cpuMs,
                    keys[n].order, qPrintable(keys[n].text));
    std::printf("\n");
}

void importBench() {
    Run run;
    const QString path = bookmarkFile(run.programFolder.path());
    auto window = run.open();
    BookmarkTransfer *transfer = window->bookmarkTransfer();
    transfer->setFileChooser(
        [path](QWidget *, const QString &, const QString &, bool) { return path; });
    QSignalSpy finished(transfer, &BookmarkTransfer::importFinished);
    Heartbeat heartbeat;
    heartbeat.start();
    QElapsedTimer clock;
    clock.start();
    transfer->startImport();
    finished.wait(30000);
    const double ms = clock.nsecsElapsed() / 1e6;
    std::printf("import, 10,000 bookmarks (%.1f MB): %.0f ms; longest silence %.1f ms; told: %s\n",
                QFileInfo(path).size() / 1e6, ms, heartbeat.longestMs(),
                qPrintable(run.notifier.messages.value(0)));
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    searchBench();
    importBench();
    return 0;
}
