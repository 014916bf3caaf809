#pragma once

#include "browser/webview.h"

#include <QDialog>

// The page properties window of the engine view: what the page is, each value selectable
// so it can be copied. Its labels carry object names (title, address, contentType, size,
// encoding) so the values can be read back.
class EnginePageProperties : public QDialog {
    Q_OBJECT

public:
    struct Facts {
        QString title;
        QString address;
        QString contentType;
        QString encoding;
        // The size of the document's markup in UTF-8.
        qint64 bytes = 0;
    };

    EnginePageProperties(const WebView::PropertyTexts &texts, const Facts &facts,
                         QWidget *parent = nullptr);
};
