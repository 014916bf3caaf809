#pragma once

#include <QTimer>
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

    QToolButton *moveLeftButton() const { return m_moveL; }
    QToolButton *moveButton() const { return m_move; }
    QLabel *statusBar() const { return m_status; }
    QToolButton *timebar() const { return m_timebar; }
    QProgressBar *progressBar() const { return m_progress; }

    // The status text and the progress shown. A change shows at once, but then the line
    // waits RefreshPauseMs before it shows the next: while a page loads they change many
    // times a second, and each drawing of the line is a drawing of the whole window, page
    // included, which delays the page itself.
    void setStatusText(const QString &text);
    void setProgress(int value);

    static constexpr int RefreshPauseMs = 100;

Q_SIGNALS:
    // A move button was pressed: the window follows the pointer.
    void moveRequested();

private:
    void refresh();
    void showText(const QString &text);
    void showProgress(int progress);

    QToolButton *m_moveL;
    QLabel *m_status;
    QToolButton *m_timebar;
    QProgressBar *m_progress;
    QToolButton *m_move;

    QTimer m_refreshPause;
    QString m_text;
    int m_progressValue = 0;
    bool m_textDue = false;
    bool m_progressDue = false;
};
