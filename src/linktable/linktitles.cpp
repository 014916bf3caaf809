#include "linktitles.h"

#include "text/numericvalue.h"
#include "text/textfile.h"

#include <algorithm>
#include <cmath>

namespace {

QString defaultTitleOf(const QString &defaultTitle, int entry) {
    return defaultTitle + QLatin1Char(' ') + QString::number(entry);
}

int countOf(const QString &text) {
    const double value = NumericValue::of(text);
    if (!(value > 0))
        return 0;
    return static_cast<int>(std::min<double>(std::floor(value), LinkTitles::MaxCount));
}

} // namespace

LinkTitles::LinkTitles(QString path)
    : m_path(std::move(path)) {}

WriteResult LinkTitles::read(const QString &defaultTitle) {
    // A file cut short still titles every group: the entries it lacks keep the defaults.
    for (int entry = 1; entry <= Capacity; ++entry) {
        m_titles[entry] = entry <= WrittenEntries ? defaultTitleOf(defaultTitle, entry) : QString();
        m_counts[entry] = 0;
    }
    if (const auto lines = TextFile::readLines(m_path)) {
        parse(*lines);
        return WriteResult::success(m_path);
    }
    return save();
}

void LinkTitles::parse(const QStringList &lines) {
    const int n = static_cast<int>(std::min<qsizetype>(lines.size(), Capacity));
    for (int entry = 1; entry <= n; ++entry) {
        const QString line = lines[entry - 1].trimmed();
        // A count never holds a comma, so the last one ends the title, and a title may
        // hold commas of its own.
        const qsizetype comma = line.lastIndexOf(QLatin1Char(','));
        m_titles[entry] = comma < 0 ? line : line.left(comma);
        m_counts[entry] = comma < 0 ? 0 : countOf(line.mid(comma + 1));
    }
}

QStringList LinkTitles::lines() const {
    QStringList out;
    for (int entry = 1; entry <= WrittenEntries; ++entry)
        out.append(TextFile::oneLine(m_titles[entry]) + QLatin1Char(',') +
                   QString::number(m_counts[entry]));
    return out;
}

WriteResult LinkTitles::save() const {
    return TextFile::writeLines(m_path, lines(), TextFile::Access::OwnerOnly);
}

QString LinkTitles::title(int entry) const {
    return inRange(entry) ? m_titles[entry] : QString();
}

int LinkTitles::count(int entry) const {
    return inRange(entry) ? m_counts[entry] : 0;
}

void LinkTitles::setTitle(int entry, const QString &title) {
    if (inRange(entry))
        m_titles[entry] = title;
}

void LinkTitles::setCount(int entry, int count) {
    if (inRange(entry))
        m_counts[entry] = std::clamp(count, 0, MaxCount);
}

void LinkTitles::retitleEmptyGroups(const QString &defaultTitle, int entries) {
    const int last = std::min(entries, Capacity);
    for (int entry = 1; entry <= last; ++entry) {
        if (m_counts[entry] == 0)
            m_titles[entry] = defaultTitleOf(defaultTitle, entry);
    }
}
