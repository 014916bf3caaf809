#include "fakeofficesuite.h"

#include "filehelpers.h"

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

const QString PicturePrefix = QStringLiteral("picture: ");

QString handleText(OfficeDocument document) {
    return QString::number(document.id);
}

bool isReadableFile(const QString &path) {
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

QString cannotRead(const QString &path) {
    return QStringLiteral("Cannot read %1: no such file.").arg(path);
}

// What the office takes in of a page: each text between tags on a line of its own, its
// entities read, and a line for each picture. The head shows nothing.
QStringList pageLines(const QString &htmlPath) {
    QString html = QString::fromUtf8(fileBytes(htmlPath));
    html.remove(QRegularExpression(QStringLiteral("<head>.*</head>"),
                                   QRegularExpression::DotMatchesEverythingOption));
    QStringList lines;
    auto pieces = QRegularExpression(QStringLiteral("<[^>]*>|[^<]+")).globalMatch(html);
    while (pieces.hasNext()) {
        const QString piece = pieces.next().captured();
        if (piece.startsWith(QLatin1String("<img"), Qt::CaseInsensitive))
            lines.append(QStringLiteral("image"));
        if (piece.startsWith(QLatin1Char('<')))
            continue;
        QString text = piece.simplified();
        text.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
        if (!text.isEmpty())
            lines.append(QStringLiteral("text: ") + text);
    }
    return lines;
}

// The lines a placeholder this fake wrote holds after its first; none for any other file.
QStringList placeholderLines(const QString &path) {
    QStringList lines = QString::fromUtf8(fileBytes(path)).split(QLatin1Char('\n'));
    if (!lines.first().startsWith(QLatin1String("fake ")))
        return {};
    lines.removeFirst();
    lines.removeAll(QString());
    return lines;
}

} // namespace

bool FakeOfficeSuite::isAvailable() const {
    QMutexLocker lock(&m_mutex);
    return m_available;
}

OfficeResult FakeOfficeSuite::start() {
    QMutexLocker lock(&m_mutex);
    const QString error = begin(QStringLiteral("start"), {});
    return error.isEmpty() ? OfficeResult::success() : OfficeResult::failure(error);
}

OfficeValue<OfficeDocument> FakeOfficeSuite::newTextDocument(const QString &templatePath) {
    QMutexLocker lock(&m_mutex);
    const bool blank = templatePath.isEmpty();
    QString error = begin(QStringLiteral("newTextDocument"),
                          {blank ? QStringLiteral("(blank)") : templatePath});
    if (error.isEmpty() && !blank && !isReadableFile(templatePath))
        error = cannotRead(templatePath);
    if (!error.isEmpty())
        return OfficeValue<OfficeDocument>::failure(error);
    const QStringList content =
        blank ? QStringList(QStringLiteral("page: landscape")) : placeholderLines(templatePath);
    return OfficeValue<OfficeDocument>::success(add({OfficeKind::Text, content}));
}

OfficeResult FakeOfficeSuite::insertHtml(OfficeDocument document, const QString &htmlPath) {
    QMutexLocker lock(&m_mutex);
    QString error = begin(QStringLiteral("insertHtml"), {handleText(document), htmlPath});
    Document *open = error.isEmpty() ? find(document) : nullptr;
    if (error.isEmpty() && !open)
        error = missingDocument(document);
    if (error.isEmpty() && open->kind != OfficeKind::Text)
        error = QStringLiteral("Cannot insert HTML: the document is not a text document.");
    if (error.isEmpty() && !isReadableFile(htmlPath))
        error = cannotRead(htmlPath);
    if (!error.isEmpty())
        return OfficeResult::failure(error);
    open->content.append(pageLines(htmlPath));
    return OfficeResult::success();
}

OfficeResult FakeOfficeSuite::exportPdf(OfficeDocument document, const QString &path) {
    QMutexLocker lock(&m_mutex);
    QString error = begin(QStringLiteral("exportPdf"), {handleText(document), path});
    const Document *open = error.isEmpty() ? find(document) : nullptr;
    if (error.isEmpty() && !open)
        error = missingDocument(document);
    if (error.isEmpty() && open->kind != OfficeKind::Text)
        error = placeholderError(path, QStringLiteral("only a text document is exported as PDF"));
    if (error.isEmpty())
        error = writePlaceholder(path, QStringLiteral("PDF"), open->content);
    return error.isEmpty() ? OfficeResult::success() : OfficeResult::failure(error);
}

OfficeValue<OfficeDocument> FakeOfficeSuite::newWorkbookFromHtml(const QString &htmlPath) {
    QMutexLocker lock(&m_mutex);
    QString error = begin(QStringLiteral("newWorkbookFromHtml"), {htmlPath});
    if (error.isEmpty() && !isReadableFile(htmlPath))
        error = cannotRead(htmlPath);
    if (!error.isEmpty())
        return OfficeValue<OfficeDocument>::failure(error);
    // The page's texts as the cells of a sheet, in front of the empty one a workbook starts with.
    const QRegularExpression text(QStringLiteral("^text: "));
    QStringList cells = pageLines(htmlPath).filter(text);
    cells.replaceInStrings(text, QString());
    const QString sheet = QStringLiteral("sheet: ") + cells.join(QLatin1Char('|'));
    return OfficeValue<OfficeDocument>::success(
        add({OfficeKind::Sheet, {sheet, QStringLiteral("sheet:")}}));
}

OfficeValue<OfficeDocument> FakeOfficeSuite::openPresentation(const QString &path) {
    QMutexLocker lock(&m_mutex);
    QString error = begin(QStringLiteral("openPresentation"), {path});
    QFile file(path);
    if (error.isEmpty() && !file.open(QIODevice::ReadOnly))
        error = QStringLiteral("Cannot open %1: %2.").arg(path, file.errorString());
    if (!error.isEmpty())
        return OfficeValue<OfficeDocument>::failure(error);
    // The pictures of a presentation this fake saved are its slides; any other file has none.
    Document presentation{OfficeKind::Slides, {}};
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(PicturePrefix.toUtf8()))
            presentation.content.append(QString::fromUtf8(line));
    }
    return OfficeValue<OfficeDocument>::success(add(presentation));
}

OfficeValue<OfficeDocument> FakeOfficeSuite::newPresentation() {
    QMutexLocker lock(&m_mutex);
    const QString error = begin(QStringLiteral("newPresentation"), {});
    if (!error.isEmpty())
        return OfficeValue<OfficeDocument>::failure(error);
    return OfficeValue<OfficeDocument>::success(add({OfficeKind::Slides, {}}));
}

OfficeValue<int> FakeOfficeSuite::addPictureSlide(OfficeDocument document,
                                                  const QString &imagePath) {
    QMutexLocker lock(&m_mutex);
    QString error = begin(QStringLiteral("addPictureSlide"), {handleText(document), imagePath});
    Document *open = error.isEmpty() ? find(document) : nullptr;
    if (error.isEmpty() && !open)
        error = missingDocument(document);
    if (error.isEmpty() && open->kind != OfficeKind::Slides)
        error = QStringLiteral("Cannot add a slide: the document is not a presentation.");
    if (error.isEmpty() && !isReadableFile(imagePath))
        error = cannotRead(imagePath);
    if (!error.isEmpty())
        return OfficeValue<int>::failure(error);
    open->content.append(PicturePrefix + imagePath);
    return OfficeValue<int>::success(static_cast<int>(open->content.size()));
}

OfficeResult FakeOfficeSuite::save(OfficeDocument document, const QString &path,
                                   OfficeFormat format) {
    QMutexLocker lock(&m_mutex);
    const QString formatName = OfficeFormats::displayName(format);
    QString error = begin(QStringLiteral("save"), {handleText(document), path, formatName});
    const Document *open = error.isEmpty() ? find(document) : nullptr;
    if (error.isEmpty() && !open)
        error = missingDocument(document);
    if (error.isEmpty() && open->kind != OfficeFormats::kind(format))
        error = placeholderError(path, formatName + QStringLiteral(" does not fit the document"));
    if (error.isEmpty())
        error = writePlaceholder(path, formatName, open->content);
    return error.isEmpty() ? OfficeResult::success() : OfficeResult::failure(error);
}

OfficeResult FakeOfficeSuite::close(OfficeDocument document) {
    QMutexLocker lock(&m_mutex);
    QString error = begin(QStringLiteral("close"), {handleText(document)});
    if (error.isEmpty() && m_documents.remove(document.id) == 0)
        error = missingDocument(document);
    return error.isEmpty() ? OfficeResult::success() : OfficeResult::failure(error);
}

QStringList FakeOfficeSuite::calls() const {
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

void FakeOfficeSuite::clearCalls() {
    QMutexLocker lock(&m_mutex);
    m_calls.clear();
}

void FakeOfficeSuite::failOn(const QString &operation, int nthCall, const QString &error) {
    QMutexLocker lock(&m_mutex);
    m_failures[operation][nthCall] =
        error.isEmpty() ? operation + QStringLiteral(" failed") : error;
}

void FakeOfficeSuite::setAvailable(bool available) {
    QMutexLocker lock(&m_mutex);
    m_available = available;
}

int FakeOfficeSuite::openDocumentCount() const {
    QMutexLocker lock(&m_mutex);
    return static_cast<int>(m_documents.size());
}

QString FakeOfficeSuite::begin(const QString &operation, const QStringList &arguments) {
    m_calls.append((QStringList(operation) + arguments).join(QLatin1Char(' ')));
    const int nth = ++m_callCounts[operation];
    if (!m_available)
        return QStringLiteral("The office suite is not installed.");
    return m_failures.value(operation).value(nth);
}

OfficeDocument FakeOfficeSuite::add(const Document &document) {
    const OfficeDocument handle{m_nextId++};
    m_documents.insert(handle.id, document);
    return handle;
}

FakeOfficeSuite::Document *FakeOfficeSuite::find(OfficeDocument document) {
    const auto it = m_documents.find(document.id);
    return it == m_documents.end() ? nullptr : &it.value();
}

QString FakeOfficeSuite::missingDocument(OfficeDocument document) {
    return QStringLiteral("No open document %1.").arg(document.id);
}

QString FakeOfficeSuite::placeholderError(const QString &path, const QString &reason) {
    return QStringLiteral("Cannot save %1: %2.").arg(path, reason);
}

QString FakeOfficeSuite::writePlaceholder(const QString &path, const QString &header,
                                          const QStringList &content) {
    // Written whole or not at all, as the real suite's temporary name and rename do.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return placeholderError(path, file.errorString());
    file.write(
        (QStringList(QStringLiteral("fake ") + header) + content).join(QLatin1Char('\n')).toUtf8() +
        '\n');
    if (!file.commit())
        return placeholderError(path, file.errorString());
    return QString();
}
