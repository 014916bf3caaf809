#include "translate/apertiummodefile.h"

#include <QFile>

namespace {

// The programs apertium-apy runs without -z: they take no such option.
bool takesNullFlush(const QString &program) {
    static const QStringList Without = {
        QStringLiteral("vislcg3"), QStringLiteral("cg-mwesplit"), QStringLiteral("hfst-tokenise"),
        QStringLiteral("hfst-tokenize"), QStringLiteral("divvun-suggest")};
    return !Without.contains(program);
}

QList<ApertiumModeFile::Program> fromStages(const QList<QStringList> &stages) {
    QList<ApertiumModeFile::Program> programs;
    for (const QStringList &words : stages) {
        QStringList arguments;
        for (const QString &word : words) {
            if (word == QLatin1String("$1"))
                arguments.append(QStringLiteral("-n"));
            else if (word != QLatin1String("$2"))
                arguments.append(word);
        }
        if (arguments.isEmpty())
            return {};
        const QString program = arguments.takeFirst();
        if (takesNullFlush(program))
            arguments.prepend(QStringLiteral("-z"));
        programs.append({program, arguments});
    }
    return programs;
}

} // namespace

QString ApertiumModeFile::installedPath(const QString &mode) {
    return QStringLiteral("/usr/share/apertium/modes/") + mode + QStringLiteral(".mode");
}

QList<ApertiumModeFile::Program> ApertiumModeFile::parse(const QString &text) {
    QList<QStringList> stages(1);
    QString word;
    bool inWord = false;
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else if (c == QLatin1Char('\\') && quote == QLatin1Char('"') && i + 1 < text.size())
                word += text.at(++i);
            else
                word += c;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            inWord = true;
        } else if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            word += text.at(++i);
            inWord = true;
        } else if (c.isSpace() || c == QLatin1Char('|')) {
            if (inWord)
                stages.last().append(word);
            word.clear();
            inWord = false;
            if (c == QLatin1Char('|'))
                stages.append(QStringList());
        } else {
            word += c;
            inWord = true;
        }
    }
    if (!quote.isNull())
        return {};
    if (inWord)
        stages.last().append(word);
    return fromStages(stages);
}

QList<ApertiumModeFile::Program> ApertiumModeFile::read(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.read(64 * 1024)));
}
