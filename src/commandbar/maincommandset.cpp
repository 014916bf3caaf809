#include "maincommandset.h"

#include "commandregistry.h"
#include "core/languagefile.h"
#include "imagelist.h"
#include "maincommandtable.h"
#include "text/programfolder.h"
#include "text/textcase.h"

#include <QDir>
#include <algorithm>

namespace {

const QString LanguageKeyPrefix = QStringLiteral("LANG:");
const QString TranslateKeyPrefix = QStringLiteral("TRANSLANG:");
const QString MyLanguageKeyPrefix = QStringLiteral("MYLANG:");

QString trimSpaces(const QString &text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QString languageKey(const QString &name) {
    return LanguageKeyPrefix + name.toUpper();
}

// Adds a generated option item unless its key is taken; the button or nullptr.
CommandButton *addGenerated(ButtonsCollection &buttons, const QString &key, int icon,
                            const QString &caption, const QString &toolTip = {}) {
    if (buttons.contains(key))
        return nullptr;
    return buttons.add(key, icon, ButtonStyle::Option, caption, toolTip);
}

// icons/<code>.ico; a code that would leave the icons folder names no file, and its
// position stays without a picture.
QString iconFile(const ProgramFolder &folder, const QString &code) {
    if (code.contains(QLatin1Char('/')) || code.contains(QLatin1Char('\\')) ||
        code.contains(QLatin1String("..")))
        return {};
    return folder.path(QStringLiteral("icons/") + code + QStringLiteral(".ico"));
}

} // namespace

namespace MainCommands {

QStringList languageFiles(const ProgramFolder &folder) {
    // The user's own files and the shipped ones (the same folder unless installed); one
    // name in both is one language, whose file the folder's path() finds in the user's.
    QStringList names;
    for (const QString &root : {folder.root(), folder.shippedRoot()}) {
        QDir languages(ProgramFolder(root).path(QStringLiteral("languages")));
        // Name filters match without regard to letter case unless told otherwise.
        for (const QString &name : languages.entryList({QStringLiteral("trans_*")}, QDir::Files)) {
            if (!names.contains(name, Qt::CaseInsensitive))
                names.append(name);
        }
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QString languageName(const QString &fileName) {
    const qsizetype underscore = fileName.indexOf(QLatin1Char('_'));
    if (underscore < 0)
        return {};
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'), underscore + 1);
    return dot < 0 ? fileName.mid(underscore + 1)
                   : fileName.mid(underscore + 1, dot - underscore - 1);
}

int languageIcon(const ImageList &images, const QString &name) {
    const QString prefix = name.left(2).toLower();
    if (prefix.isEmpty())
        return FallbackLanguageIcon;
    for (int index = LanguagePicturesFrom; index < images.count(); ++index) {
        if (images.key(index).startsWith(prefix, Qt::CaseSensitive))
            return index;
    }
    return FallbackLanguageIcon;
}

QString translateLanguageKey(const QString &rowName) {
    return TranslateKeyPrefix + trimSpaces(rowName);
}

QString myLanguageKey(const QString &rowName) {
    return MyLanguageKeyPrefix + trimSpaces(rowName);
}

MainCommandSet BuildMainCommandSet(CommandRegistry &registry, ImageList &images,
                                   const LanguageFile &language, const ProgramFolder &folder,
                                   QWidget *tabStrip, int tabPanelWidth) {
    ButtonsCollection &buttons = registry.buttons();
    MainCommandSet set;

    // The fixed buttons first, so a generated item can never take a fixed key.
    for (const MainCommandTable::Command &command : MainCommandTable::commands()) {
        if (!MainCommandTable::isButton(command))
            continue;
        CommandButton *button =
            buttons.add(QString::fromLatin1(command.key), command.picture, command.style);
        button->setShowDropDown(MainCommandTable::dropsDown(command));
    }
    CommandButton &panel = buttons.item(QLatin1String(MainCommandTable::TabStripPanel));
    panel.setPanelWidth(tabPanelWidth);
    panel.setPanelWidget(tabStrip);

    for (const QString &file : languageFiles(folder)) {
        if (set.installedLanguages.size() >= MainCommandSet::LanguageCapacity)
            break;
        const QString name = languageName(file);
        if (CommandButton *item =
                addGenerated(buttons, languageKey(name), languageIcon(images, name),
                             TextCase::proper(name), file)) {
            item->setTag(name);
            set.installedLanguages.append(name);
        }
    }

    set.translationIconBase = images.count();
    for (int row = 0; row <= language.lastTranslationRow(); ++row) {
        const TranslationLanguage &entry = language.translationRow(row);
        const int icon = images.addIconFile(iconFile(folder, entry.code));
        const QString caption = TextCase::proper(entry.name);
        addGenerated(buttons, translateLanguageKey(entry.name), icon, caption);
        addGenerated(buttons, myLanguageKey(entry.name), icon, caption);
    }
    return set;
}

void BuildMainBars(CommandRegistry &registry, const LanguageFile &language,
                   const MainCommandSet &set) {
    using namespace MainCommandTable;
    BarsCollection &bars = registry.bars();
    for (const Bar *bar : MainCommandTable::bars())
        bars.add(QString::fromLatin1(bar->key));

    // The generated items; each key once, however many rows or files gave it.
    auto addOnce = [&](CommandBar &bar, const QString &key) {
        CommandButton *button = registry.button(key);
        if (!bar.buttons().contains(button))
            bar.add(button);
    };
    CommandBar &translate = bars.item(QLatin1String(TranslateMenu.key));
    CommandBar &myLanguage = bars.item(QLatin1String(MyLanguageMenu.key));
    for (int row = 0; row <= language.lastTranslationRow(); ++row) {
        const QString name = language.translationRow(row).name;
        addOnce(translate, translateLanguageKey(name));
        addOnce(myLanguage, myLanguageKey(name));
    }
    CommandBar &languages = bars.item(QLatin1String(LanguageMenu.key));
    for (const QString &name : set.installedLanguages)
        addOnce(languages, languageKey(name));

    for (const Command &command : commands()) {
        if (command.bar->key)
            bars.item(QLatin1String(command.bar->key))
                .add(registry.button(QLatin1String(command.key)));
    }

    for (const Bar *bar : MainCommandTable::bars()) {
        if (bar->element == MenuElement) {
            const QString menu = QLatin1String(bar->key);
            registry.item(menu).setBar(&bars.item(menu));
        }
    }
}

} // namespace MainCommands
