#include "linkgroupstore.h"

#include "linkgroupfile.h"

#include <algorithm>

LinkGroupStore::LinkGroupStore(const ProgramFolder &folder)
    : m_folder(folder) {}

QString LinkGroupStore::path(int group) const {
    return m_folder.path(QStringLiteral("Links/Links.") +
                         QStringLiteral("%1").arg(group, 3, 10, QLatin1Char('0')));
}

QList<LinkEntry> LinkGroupStore::read(int group, int count) const {
    const int wanted = std::max(count, 0);
    QList<LinkEntry> links = LinkGroupFile::read(path(group), wanted).value_or(QList<LinkEntry>());
    links.resize(wanted);
    return links;
}

QList<LinkEntry> LinkGroupStore::sortedForSaving(QList<LinkEntry> links) {
    std::stable_sort(links.begin(), links.end(), [](const LinkEntry &a, const LinkEntry &b) {
        return QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
    });
    links.erase(std::remove_if(links.begin(), links.end(),
                               [](const LinkEntry &e) { return e.name.isEmpty(); }),
                links.end());
    return links;
}

LinkGroupStore::SaveOutcome LinkGroupStore::write(int group, const QList<LinkEntry> &links) const {
    SaveOutcome outcome;
    outcome.links = sortedForSaving(links);
    outcome.result = LinkGroupFile::write(path(group), outcome.links);
    return outcome;
}
