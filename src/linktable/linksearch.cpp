#include "linksearch.h"

void LinkSearch::rebuild(const LinkGroupStore &store, const LinkTitles &titles, int groups) {
    m_links.clear();
    for (int group = 0; group < groups; ++group) {
        const QList<LinkEntry> links = store.read(group, titles.count(group + 1));
        const QString groupTitle = titles.title(group + 1);
        for (int row = 0; row < links.size(); ++row) {
            const LinkEntry &link = links[row];
            if (link.isBlank())
                continue;
            const QString haystack = normalised(link.name + QLatin1Char('\n') + link.address +
                                                QLatin1Char('\n') + link.freeText);
            m_links.append(
                {{group, row, groupTitle, link.name, link.address, link.shownAddress}, haystack});
        }
    }
    m_built = true;
}

void LinkSearch::clear() {
    m_links.clear();
    m_built = false;
}

QList<LinkSearch::Hit> LinkSearch::find(const QString &text, int limit) const {
    QList<Hit> hits;
    const QStringList words = normalised(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return hits;
    for (const Indexed &link : m_links) {
        if (hits.size() >= limit)
            break;
        bool all = true;
        for (const QString &word : words) {
            if (!link.haystack.contains(word)) {
                all = false;
                break;
            }
        }
        if (all)
            hits.append(link.hit);
    }
    return hits;
}

QString LinkSearch::normalised(const QString &text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing)
            continue;
        out.append(c.isSpace() ? QChar(QLatin1Char(' ')) : c.toCaseFolded());
    }
    return out.simplified();
}
