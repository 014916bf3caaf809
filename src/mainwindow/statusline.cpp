#include "statusline.h"

#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

namespace {

QToolButton *flatButton(QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(16, 16));
    return button;
}

} // namespace

StatusLine::StatusLine(QWidget *parent)
    : QWidget(parent)
    , m_moveL(flatButton(this))
    , m_status(new QLabel(this))
    , m_timebar(flatButton(this))
    , m_progress(new QProgressBar(this))
    , m_move(flatButton(this)) {
    setObjectName(QStringLiteral("picStat"));
    m_moveL->setObjectName(QStringLiteral("cmdMoveL"));
    m_move->setObjectName(QStringLiteral("cmdMove"));
    m_status->setObjectName(QStringLiteral("statusBar"));
    m_timebar->setObjectName(QStringLiteral("timebar"));
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_moveL->setCursor(Qt::SizeAllCursor);
    m_move->setCursor(Qt::SizeAllCursor);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setIndent(4);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(true);
    m_progress->setAlignment(Qt::AlignCenter);
    m_refreshPause.setSingleShot(true);
    m_refreshPause.setInterval(RefreshPauseMs);
    connect(&m_refreshPause, &QTimer::timeout, this, [this] {
        if (m_textDue || m_progressDue)
            refresh();
    });
    connect(m_moveL, &QToolButton::pressed, this, &StatusLine::moveRequested);
    connect(m_move, &QToolButton::pressed, this, &StatusLine::moveRequested);
}

void StatusLine::setStatusText(const QString &text) {
    m_text = text;
    m_textDue = true;
    if (!m_refreshPause.isActive())
        refresh();
}

void StatusLine::setProgress(int value) {
    m_progressValue = value;
    m_progressDue = true;
    if (!m_refreshPause.isActive())
        refresh();
}

void StatusLine::refresh() {
    if (m_textDue)
        showText(m_text);
    if (m_progressDue)
        showProgress(m_progressValue);
    m_textDue = m_progressDue = false;
    m_refreshPause.start();
}

void StatusLine::showProgress(int progress) {
    if (m_progress->value() == progress)
        return;
    // A progress bar repaints at once when its value changes, a trip to the screen of its
    // own; as an ordinary update it goes with the status text's in one frame.
    m_progress->setUpdatesEnabled(false);
    m_progress->setValue(progress);
    m_progress->setUpdatesEnabled(true);
}

void StatusLine::showText(const QString &text) {
    // A long address must not push the bar's neighbours away.
    m_status->setText(m_status->fontMetrics().elidedText(text, Qt::ElideMiddle,
                                                         std::max(m_status->width() - 8, 40)));
    m_status->setToolTip(text);
}
