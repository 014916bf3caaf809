#pragma once

#include <QByteArray>
#include <QString>

// The code page the program's older files were written in. Qt has no codec of its own
// for it without ICU, and the table is small.
namespace Windows1252 {
QString decode(const QByteArray &bytes);
}
