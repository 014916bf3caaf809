#include "deferredicon.h"

#include <QIconEngine>
#include <QPainter>
#include <optional>

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(std::function<QIcon()> load, bool knownToExist)
        : m_load(std::move(load))
        , m_knownToExist(knownToExist) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override {
        if (m_knownToExist && !m_icon)
            return false; // the caller has seen the files: they are read when drawn
        return icon().isNull();
    }
    void addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state) override {
        icon().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString &fileName, const QSize &size, QIcon::Mode mode,
                 QIcon::State state) override {
        icon().addFile(fileName, size, mode, state);
    }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

    // A copy is made when an icon is changed; it starts from what this one has read.
    QIconEngine *clone() const override {
        auto *copy = new DeferredIconEngine(m_load, m_knownToExist);
        copy->m_icon = m_icon;
        return copy;
    }

private:
    QIcon &icon() {
        if (!m_icon)
            m_icon = m_load();
        return *m_icon;
    }

    std::function<QIcon()> m_load;
    bool m_knownToExist;
    std::optional<QIcon> m_icon;
};

} // namespace

namespace DeferredIcon {

QIcon fromLoader(std::function<QIcon()> load, bool knownToExist) {
    return QIcon(new DeferredIconEngine(std::move(load), knownToExist));
}

} // namespace DeferredIcon
