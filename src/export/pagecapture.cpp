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
    QTimer::singleShot(SettleMs, this, [self, done = std::move(done)] {
        if (!self)
            return;
        QImage picture;
        if (self->m_host.window.isVisible())
            picture = self->m_host.window.grab().toImage();
        self->m_host.showStrips();
        self->m_capturing = false;
        done(picture);
    });
}
