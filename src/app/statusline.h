#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QToolButton;

// `picStat`: the bottom strip. The two move buttons drag the borderless window; between
// them the status text, the selection-translation indicator and the load progress.
class StatusLine : public QWidget {
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent = nullptr);

    QToolButton *cmdMoveL() const { return m_moveL; }
    QToolButton *cmdMove() const { return m_move; }
    QLabel *statusBar() const { return m_status; }
    QToolButton *timebar() const { return m_timebar; }
    QProgressBar *progressBar() const { return m_progress; }

    void setStatusText(const QString &text);

Q_SIGNALS:
    // A move button was pressed: the window follows the pointer.
    void moveRequested();

private:
    QToolButton *m_moveL;
    QLabel *m_status;
    QToolButton *m_timebar;
    QProgressBar *m_progress;
    QToolButton *m_move;
};
