#pragma once

#include "windowcontext.h"

#include <QDialog>
#include <QUrl>
#include <memory>

class LinkLabel;
class QGridLayout;
class QLabel;
class QToolBar;
class WindowCommandBar;

// `frmAbout`: the program's title, version, renderer and credits, two featured web sites
// and a disclaimer, over the light blue of the program. Modal, centred on the screen each time
// it opens. ABOUTOK closes it; ABOUTHELP opens the help page and closes it. The credit line
// writes to the developers, the site labels open their sites; the window stays open.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    static const QColor Background;
    static QUrl helpPage();
    static QUrl mailAddress();
    static QUrl firstSite();
    static QUrl secondSite();

    // The load step: builds the bar on its first use in the run and sets the texts of the
    // current language.
    explicit AboutWindow(const WindowContext &context, QWidget *parent = nullptr);
    ~AboutWindow() override;

    // cmdBar: the window's element of the shared bars, and the toolbar showing it.
    WindowCommandBar &commandBar() const { return *m_cmdBar; }
    QToolBar *toolBar() const;

    // The bar's click handler: acts only on clicks of its own element (7).
    void buttonClick(int index, const QString &key);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The picture, name, version, renderer and credit beside each other, over the sites.
    void addProgramRows(QGridLayout *grid);
    void addSiteRows(QGridLayout *grid);
    void createBar();
    QLabel *addLabel(const char *name, const QString &text);
    LinkLabel *addLink(const char *name, const QString &text, const QUrl &address);
    void open(const QUrl &address);
    void centre();

    WindowContext m_context;
    std::unique_ptr<WindowCommandBar> m_cmdBar;
};
