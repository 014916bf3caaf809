#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
struct PageOfferTexts;

// The slim bar above the page that offers whole-page translation and tells how it goes. It
// shows what PageOfferTexts gives and says which button was pressed; it never takes the
// focus when it appears.
class PageTranslationBar : public QFrame {
    Q_OBJECT

public:
    explicit PageTranslationBar(QWidget *parent = nullptr);

    // Shows texts; with no message the bar hides.
    void showTexts(const PageOfferTexts &texts);
    // The bar's own name for screen readers, in the current language.
    void setBarName(const QString &name);

    QLabel *message() const { return m_message; }
    QPushButton *translateButton() const { return m_translate; }
    QPushButton *notNowButton() const { return m_notNow; }
    QPushButton *neverButton() const { return m_never; }
    QPushButton *showOriginalButton() const { return m_showOriginal; }

Q_SIGNALS:
    void translateClicked();
    void notNowClicked();
    void neverClicked();
    void showOriginalClicked();

private:
    QPushButton *addButton(const char *name, void (PageTranslationBar::*clicked)());

    QLabel *m_message;
    QPushButton *m_translate;
    QPushButton *m_notNow;
    QPushButton *m_never;
    QPushButton *m_showOriginal;
};
