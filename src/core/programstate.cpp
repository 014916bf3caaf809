#include "programstate.h"

QString ProgramState::dateText(const QDate &date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}
