#include "translate/resultpage.h"

namespace {

QString paragraph(const char *name, const QString &text) {
    return QStringLiteral("<p class=\"") + QLatin1String(name) + QStringLiteral("\">") +
           text.toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace

namespace ResultPage {

QString html(const QString &source, const QString &translation, const QString &pairInWords,
             const QString &localLine) {
    return QStringLiteral(
               "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
               "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
               "style-src 'unsafe-inline'\"><title>") +
           pairInWords.toHtmlEscaped() +
           QStringLiteral("</title><style>p { white-space: pre-wrap; } .source { color: #555; }"
                          " .local { font-size: small; color: #555; }</style></head><body>") +
           paragraph("pair", pairInWords) + paragraph("source", source) +
           paragraph("translation", translation) + paragraph("local", localLine) +
           QStringLiteral("</body></html>");
}

QString address(const QString &html) {
    return QStringLiteral("data:text/html;charset=utf-8;base64,") +
           QString::fromLatin1(html.toUtf8().toBase64());
}

} // namespace ResultPage
