#include "newlanguagefile.h"

#include "core/captions.h"
#include "core/languagefile.h"
#include "core/notifier.h"
#include "text/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Texts of the CaptionTable.

const QString ForbiddenCharacters = QStringLiteral("/\\<>:\"|?*.");

// A file's text as the editor shows it: lines joined by "\n", a last line end kept.
QString editorTextOf(const QByteArray &bytes) {
    const QString text = TextFile::decode(bytes);
    QString editorText = TextFile::splitLines(text).join(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        editorText += QLatin1Char('\n');
    return editorText;
}

} // namespace

NewLanguageFile::NewLanguageFile(ProgramFolder folder, const LanguageFile &texts,
                                 Notifier &notifier)
    : m_folder(std::move(folder))
    , m_texts(texts)
    , m_notifier(notifier) {}

NewLanguageFile::NameCheck NewLanguageFile::checkName(const QString &name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return NameCheck::Empty;
    if (!trimmed.isValidUtf16())
        return NameCheck::Refused;
    for (const QChar c : trimmed) {
        // ".." falls under the "." as well.
        if (ForbiddenCharacters.contains(c) || c.unicode() < 0x20 ||
            c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return NameCheck::Refused;
    }
    return NameCheck::Allowed;
}

QString NewLanguageFile::templatePath() const {
    return m_folder.path(QStringLiteral("languages/trans_english.txt"));
}

QString NewLanguageFile::readTemplate() const {
    const QString path = templatePath();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        m_notifier.warn(title(), caption(Captions::FileNotOpened) + QLatin1Char('\n') + path);
        return {};
    }
    return editorTextOf(file.readAll());
}

QString NewLanguageFile::pathFor(const QString &name) const {
    return m_folder.path(QStringLiteral("languages/trans_") + name.trimmed() +
                         QStringLiteral(".Txt"));
}

QString NewLanguageFile::fileText(const QString &editorText) {
    QString text = editorText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

NewLanguageFile::SaveResult NewLanguageFile::save(const QString &name, const QString &editorText) {
    switch (checkName(name)) {
    case NameCheck::Empty:
        return SaveResult::Nothing;
    case NameCheck::Refused:
        m_notifier.warn(title(), caption(Captions::RefusedCharacters) + QLatin1Char('\n') + name);
        return SaveResult::Refused;
    case NameCheck::Allowed:
        break;
    }

    const QString path = pathFor(name);
    if (QFileInfo(path).isFile() &&
        !m_notifier.ask(title(), caption(Captions::ReplaceFile) + QLatin1Char('\n') + path))
        return SaveResult::Kept;

    const WriteResult written = TextFile::writeText(path, fileText(editorText));
    if (!written) {
        m_notifier.warn(title(), caption(Captions::FileNotSaved) + QLatin1Char('\n') +
                                     written.path + QLatin1Char('\n') + written.error);
        return SaveResult::Failed;
    }
    m_notifier.inform(title(), caption(Captions::LanguageFileSaved) + QLatin1Char('\n') +
                                   caption(Captions::AfterNextStart));
    return SaveResult::Written;
}

QString NewLanguageFile::draftPath(const QString &name) const {
    const QString stem =
        checkName(name) == NameCheck::Allowed ? name.trimmed() : QStringLiteral("new");
    return m_folder.path(QStringLiteral("Data/trans_") + stem + QStringLiteral(".draft"));
}

WriteResult NewLanguageFile::saveDraft(const QString &name, const QString &editorText) const {
    return TextFile::writeText(draftPath(name), fileText(editorText));
}

QString NewLanguageFile::findDraft() const {
    const QDir data(m_folder.path(QStringLiteral("Data")));
    const QFileInfoList drafts =
        data.entryInfoList({QStringLiteral("trans_*.draft")}, QDir::Files, QDir::Time);
    return drafts.isEmpty() ? QString() : drafts.first().filePath();
}

std::optional<QString> NewLanguageFile::readDraft(const QString &path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return editorTextOf(file.readAll());
}

QString NewLanguageFile::caption(int n) const {
    return m_texts.caption(n);
}

QString NewLanguageFile::title() const {
    return caption(Captions::ProgramName);
}
