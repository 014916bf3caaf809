#include "settingsfile.h"

#include "text/numericvalue.h"
#include "text/textfile.h"

#include <cmath>

namespace {

// Lines 1 to 4: rounded, a negative value becomes 0, and a height or width below its
// minimum means the screen's.
void readMain(const QStringList &lines, int index, qint32 &value, double minimum = 0,
              double screenSize = 0) {
    if (index >= lines.size())
        return;
    const auto number = NumericValue::roundToInt32(NumericValue::of(lines[index].trimmed()));
    if (!number)
        return;
    value = std::max<qint32>(*number, 0);
    if (value < minimum)
        value = static_cast<qint32>(std::lround(screenSize));
}

void readReal(const QStringList &lines, int index, double &value) {
    if (index >= lines.size())
        return;
    const double number = NumericValue::of(lines[index]);
    if (std::isfinite(number))
        value = number;
}

void appendPlacement(QStringList &out, const Placement<double> &placement) {
    for (const double v : {placement.top, placement.left, placement.height, placement.width})
        out.append(NumericValue::format(v));
}

} // namespace

SettingsFile::SettingsFile(QString path)
    : m_path(std::move(path)) {}

SettingsValues SettingsFile::defaults(QSizeF screen) {
    SettingsValues values;
    values.main.height = static_cast<qint32>(std::lround(screen.height()));
    values.main.width = static_cast<qint32>(std::lround(screen.width()));
    values.myLanguage = QStringLiteral("en");
    return values;
}

SettingsValues SettingsFile::read(QSizeF screen) const {
    const auto lines = TextFile::readLines(m_path);
    return lines ? parse(*lines, screen) : defaults(screen);
}

SettingsValues SettingsFile::parse(const QStringList &lines, QSizeF screen) {
    // A line that cannot be read keeps the screen-sized default rather than a window of
    // no size; MyLanguage starts empty, as "en" stands only for a missing file.
    SettingsValues values = defaults(screen);
    values.myLanguage.clear();

    readMain(lines, 0, values.main.top);
    readMain(lines, 1, values.main.left);
    readMain(lines, 2, values.main.height, 2000, screen.height());
    readMain(lines, 3, values.main.width, 3000, screen.width());
    readReal(lines, 4, values.linkTable.top);
    readReal(lines, 5, values.linkTable.left);
    readReal(lines, 6, values.linkTable.height);
    readReal(lines, 7, values.linkTable.width);
    readReal(lines, 8, values.editor.top);
    readReal(lines, 9, values.editor.left);
    readReal(lines, 10, values.editor.height);
    readReal(lines, 11, values.editor.width);
    if (lines.size() > 12) {
        if (const auto mode = NumericValue::roundToInt16(NumericValue::of(lines[12])))
            values.windowMode = *mode;
    }
    if (lines.size() > 13)
        values.myLanguage = lines[13];
    if (lines.size() > 14) {
        for (const QString &code : lines[14].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (!code.trimmed().isEmpty() && !values.neverTranslate.contains(code.trimmed()))
                values.neverTranslate.append(code.trimmed());
        }
    }
    return values;
}

QStringList SettingsFile::lines(const SettingsValues &values, const Placement<double> &mainWindow) {
    // Minimised or maximised windows report odd placements; the fallbacks make the next
    // start-up use the screen's size instead.
    const Placement<double> written{
        mainWindow.top >= 0 ? mainWindow.top : 0,
        mainWindow.left >= 0 ? mainWindow.left : 0,
        mainWindow.height > 1000 ? mainWindow.height : 1000,
        mainWindow.width > 2000 ? mainWindow.width : 2000,
    };
    QStringList out;
    appendPlacement(out, written);
    appendPlacement(out, values.linkTable);
    appendPlacement(out, values.editor);
    out.append(QString::number(values.windowMode));
    out.append(TextFile::oneLine(values.myLanguage));
    // Without such languages the file stays as it always was.
    if (!values.neverTranslate.isEmpty())
        out.append(TextFile::oneLine(values.neverTranslate.join(QLatin1Char(','))));
    return out;
}

WriteResult SettingsFile::save(const SettingsValues &values,
                               const Placement<double> &mainWindow) const {
    return TextFile::writeLines(m_path, lines(values, mainWindow));
}
