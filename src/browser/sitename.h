#pragma once

#include <QString>

// The short name of a site shown as a tab's caption: "http://www.example.org/a" gives
// "Example".
namespace SiteName {
QString of(const QString &address);
}
