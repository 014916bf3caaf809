#include "optionsfile.h"

#include "text/numericvalue.h"
#include "text/textfile.h"

namespace {

void readNumber(const QStringList &lines, int index, qint16 &value) {
    if (index >= lines.size())
        return;
    if (const auto number = NumericValue::roundToInt16(NumericValue::of(lines[index])))
        value = *number;
}

} // namespace

OptionsFile::OptionsFile(QString path)
    : m_path(std::move(path)) {}

QStringList OptionsFile::defaultLines(const QString &defaultHomeAddress) {
    return {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
            TextFile::oneLine(defaultHomeAddress)};
}

void OptionsFile::parse(const QStringList &lines, Options &options) {
    readNumber(lines, 0, options.selectedBarStyle);
    readNumber(lines, 1, options.spareA);
    readNumber(lines, 2, options.autoHideBars);
    readNumber(lines, 3, options.spareB);
    if (lines.size() > 4)
        options.homeAddress = lines[4];
    if (lines.size() > 5)
        options.currentLanguage = lines[5];
}

WriteResult OptionsFile::read(Options &options, const QString &defaultHomeAddress) const {
    options.currentLanguage = QStringLiteral("English");
    if (const auto lines = TextFile::readLines(m_path)) {
        parse(*lines, options);
        return WriteResult::success(m_path);
    }
    const QStringList defaults = defaultLines(defaultHomeAddress);
    const WriteResult created = TextFile::writeLines(m_path, defaults);
    // Read back what was written; if nothing could be written, the defaults still hold.
    const auto lines = created ? TextFile::readLines(m_path) : std::nullopt;
    parse(lines.value_or(defaults), options);
    return created;
}

WriteResult OptionsFile::save(const Options &options) const {
    return TextFile::writeLines(
        m_path,
        {QString::number(options.selectedBarStyle), QString::number(options.spareA),
         QString::number(options.autoHideBars), QString::number(options.spareB),
         TextFile::oneLine(options.homeAddress), TextFile::oneLine(options.currentLanguage)});
}
