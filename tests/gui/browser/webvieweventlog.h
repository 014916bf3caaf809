#pragma once

#include "browser/webview.h"
#include "waituntil.h"

#include <QEventLoop>
#include <QStringList>
#include <QTimer>

// Writes down every event of a web view in arrival order, one line each:
// "before <address>", "progress <p>/<max>", "title <text>", "status <text>",
// "complete <address>", "closing <child>".
class WebViewEventLog : public QObject {
public:
    explicit WebViewEventLog(WebView *view) {
        connect(view, &WebView::navigationStarting, this,
                [this](const QString &address) { add(QStringLiteral("before ") + address); });
        connect(view, &WebView::progressChange, this, [this](int progress, int maximum) {
            add(QStringLiteral("progress %1/%2").arg(progress).arg(maximum));
        });
        connect(view, &WebView::titleChange, this,
                [this](const QString &title) { add(QStringLiteral("title ") + title); });
        connect(view, &WebView::statusTextChange, this,
                [this](const QString &text) { add(QStringLiteral("status ") + text); });
        connect(view, &WebView::documentComplete, this,
                [this](const QString &address) { add(QStringLiteral("complete ") + address); });
        connect(view, &WebView::windowClosing, this, [this](bool isChildWindow, bool *) {
            add(QStringLiteral("closing ") +
                (isChildWindow ? QStringLiteral("child") : QStringLiteral("top")));
        });
    }

    QStringList lines() const { return m_lines; }
    // The lines that begin with prefix, without it.
    QStringList values(const QString &prefix) const {
        QStringList found;
        for (const QString &line : m_lines) {
            if (line.startsWith(prefix + QLatin1Char(' ')))
                found.append(line.mid(prefix.size() + 1));
        }
        return found;
    }
    void clear() { m_lines.clear(); }

private:
    void add(const QString &line) { m_lines.append(line); }

    QStringList m_lines;
};
