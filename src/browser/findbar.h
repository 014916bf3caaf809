#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QToolButton;
class WebView;

// Finding text on the page: what is typed is highlighted as it is typed, Enter goes to
// the next match, the arrows to the next or the one before, Escape closes the bar.
class FindBar : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(std::function<WebView *()> currentView, QWidget *parent = nullptr);

    // Shows the bar with the cursor in its field.
    void open();
    void close();
    void findNext(bool backward = false);
    // The texts of the current language.
    void setTexts(const QString &placeholder, const QString &next, const QString &previous,
                  const QString &closeText, const QString &notFound);

    QLineEdit *field() const { return m_field; }
    // The number of matches last reported, or -1 before any answer.
    int matches() const { return m_matches; }

Q_SIGNALS:
    void matchesChanged(int matches);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void find(bool backward);

    std::function<WebView *()> m_currentView;
    QLineEdit *m_field;
    QToolButton *m_previous;
    QToolButton *m_next;
    QToolButton *m_close;
    QLabel *m_result;
    QString m_notFound;
    int m_matches = -1;
};
