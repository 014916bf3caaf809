#include "export/pagecapture.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <utility>

PageCapture::PageCapture(Host host, QObject *parent)
    : QObject(parent)
    , m_host(std::move(host)) {}

void PageCapture::capture(std::function<void(const QImage &)> done) {
    m_capturing = true;
    m_host.hideStrips();
    QPointer<PageCapture> self(this);
    QTimer::singleShot(SettleMs, this, [self, done = std::move(done)]() mutable {
        if (!self)
            return;
        const QImage picture = self->picture();
        // Bringing the strips back lays out and repaints the whole window; done in the
        // same turn as the picture, the two together would hold the window up. A zero
        // timer would run before the window system's waiting events; one millisecond
        // lets them in between.
        QTimer::singleShot(1, self, [self, done = std::move(done), picture] {
            self->m_host.showStrips();
            self->m_capturing = false;
            done(picture);
        });
    });
}

QImage PageCapture::picture() const {
    QWidget &window = m_host.window;
    if (!window.isVisible())
        return {};
    // When the page covers the whole window, picturing the page alone gives the same
    // picture and spares painting the hidden bars beneath it.
    QWidget *page = m_host.page ? m_host.page() : nullptr;
    if (page && page->isVisible() && page->size() == window.size() &&
        page->mapTo(&window, QPoint(0, 0)) == QPoint(0, 0))
        return page->grab().toImage();
    return window.grab().toImage();
}
