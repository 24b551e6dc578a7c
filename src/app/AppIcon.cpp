#include "AppIcon.h"

#include "widgets/BundledImage.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kIconSize = 256;

class AppIconEngine : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    // Never larger than the image, as for an icon made from the file.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        if (m_image.isNull())
            m_image = appIconImage();
        const QSize shown = actualSize(size, mode, state);
        if (m_image.isNull() || shown == m_image.size())
            return m_image;
        return m_image.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        const QSize full(kIconSize, kIconSize);
        return size.width() >= kIconSize && size.height() >= kIconSize ? full
                                                                       : full.scaled(size, Qt::KeepAspectRatio);
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        return {QSize(kIconSize, kIconSize)};
    }

    QString key() const override { return QStringLiteral("AppIconEngine"); }
    QIconEngine* clone() const override { return new AppIconEngine(*this); }

private:
    QPixmap m_image;
};

} // namespace

QIcon appIcon()
{
    return QIcon(new AppIconEngine);
}
