#pragma once

#include <QImage>
#include <QObject>
#include <functional>

class QWidget;

// `Load_ClipBoard`: a picture of the main window while the current page fills it. The
// bars and the status strip are hidden, the page is given a moment to draw into the room
// they left, the window is pictured (only its own content: no other program's window can
// leak in), and the strips come back. Every wait is a timer of the event loop, and the
// picture and the strips' return run in turns of their own, so the window keeps
// answering.
class PageCapture : public QObject {
    Q_OBJECT

public:
    struct Host {
        QWidget &window;
        std::function<QWidget *()> page; // the widget showing the current page, or null
        std::function<void()> hideStrips;
        std::function<void()> showStrips;
    };

    // How long the page may take to fill the room of the strips.
    static constexpr int SettleMs = 300;

    explicit PageCapture(Host host, QObject *parent = nullptr);

    // done gets the picture, or a null image when none could be taken; the strips are
    // back by then in every case.
    void capture(std::function<void(const QImage &)> done);
    bool isCapturing() const { return m_capturing; }

private:
    QImage picture() const;

    Host m_host;
    bool m_capturing = false;
};
