// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeferredIcon.h"

#include <QIconEngine>
#include <QPainter>

#include <memory>
#include <optional>

namespace {

class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make)
        : made_(std::make_shared<Made>(Made{std::move(make), std::nullopt}))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }

    bool isNull() override { return Icon().isNull(); }

    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    struct Made {
        std::function<QIcon()> Make;
        std::optional<QIcon> Icon;
    };

    const QIcon& Icon()
    {
        if (!made_->Icon)
            made_->Icon = made_->Make();
        return *made_->Icon;
    }

    std::shared_ptr<Made> made_;
};

} // namespace

QIcon DeferredIcon(std::function<QIcon()> make)
{
    return QIcon(new DeferredIconEngine(std::move(make)));
}
