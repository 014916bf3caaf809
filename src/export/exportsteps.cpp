#include "export/exportsteps.h"

#include "core/captions.h"
#include "core/languagefile.h"
#include "core/notifier.h"
#include "core/programstate.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <utility>

ExportSteps::ExportSteps(Context context, std::function<void()> ended)
    : m_context(std::move(context))
    , m_ended(std::move(ended)) {}

bool ExportSteps::begin(bool othersBusy) {
    if (m_busy || othersBusy) {
        // Never two at once: the second would picture or save the first one's half-way.
        inform(caption(Captions::ExportRunning));
        return false;
    }
    m_busy = true;
    return true;
}

void ExportSteps::end() {
    setDimmed(false);
    m_busy = false;
    if (m_ended)
        m_ended();
}

QString ExportSteps::chooseFile(const QString &filter, const QString &defaultName,
                                QString (*companionOf)(const QString &), bool askReplace) {
    SaveDialogRequest request;
    request.title = caption(Captions::ChooseFileName);
    request.filter = filter;
    request.defaultName = defaultName;
    request.folder = m_context.state.exportFolder;
    const QString path = m_context.chooseFile(&m_context.window, request);
    if (path.isEmpty())
        return {};
    m_context.state.exportFolder = QFileInfo(path).absolutePath();
    if (!askReplace)
        return path;
    QStringList existing;
    for (const QString &file : {path, companionOf ? companionOf(path) : QString()})
        if (!file.isEmpty() && QFileInfo::exists(file))
            existing.append(QDir::toNativeSeparators(file));
    if (!existing.isEmpty() &&
        !m_context.notifier.ask(caption(Captions::ProgramName),
                                caption(Captions::ReplaceFile) + QLatin1Char('\n') +
                                    existing.join(QLatin1Char('\n'))))
        return {};
    return path;
}

void ExportSteps::setDimmed(bool dimmed) {
    // Where the window system cannot dim a window, this does nothing, and nothing is said.
    m_context.window.setWindowOpacity(
        (dimmed ? ProgramState::ExportOpacity : ProgramState::NormalOpacity) / 255.0);
}

void ExportSteps::showStatus(const QString &text) {
    if (m_context.showStatus)
        m_context.showStatus(text);
}

QString ExportSteps::caption(int n) const {
    return m_context.language.caption(n);
}

void ExportSteps::inform(const QString &text) {
    m_context.notifier.inform(caption(Captions::ProgramName), text);
}

void ExportSteps::warn(const QString &text) {
    m_context.notifier.warn(caption(Captions::ProgramName), text);
}
