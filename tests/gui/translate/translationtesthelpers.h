#pragma once

#include "core/languagefile.h"
#include "text/textfile.h"
#include "waituntil.h"

#include <QApplication>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// The shipped language file of that name, with extra lines read after it (a later
// setting wins).
inline LanguageFile shippedLanguage(const QString &name, const QStringList &extraLines = {}) {
    QStringList lines =
        TextFile::readLines(QStringLiteral(QUORT_SOURCE_DATA) +
                            QStringLiteral("/languages/Trans_") + name + QStringLiteral(".txt"))
            .value_or(QStringList());
    lines += extraLines;
    LanguageFile language;
    language.parse(lines);
    return language;
}

// The visible top-level windows of that object name.
inline QList<QWidget *> visibleWindows(const QString &objectName) {
    QList<QWidget *> found;
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (widget->objectName() == objectName && widget->isVisible())
            found.append(widget);
    }
    return found;
}
