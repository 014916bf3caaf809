#pragma once

#include <QString>
#include <QStringView>

// Character references in HTML text: &amp;, &eacute;, &#233; and &#xE9; become their
// characters; anything else, a bare & among them, stays as written.
namespace HtmlEntities {
QString decode(QStringView html);
}
