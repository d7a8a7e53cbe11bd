#include "app/settings.h"

#include "ui/screenfit.h"

#include "data/error.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace fenlo {
namespace {

const QString Section = QStringLiteral("fenlo");

// The least part of a window that must lie on a screen for the user to take hold of it.
constexpr int Grip = 40;

int readInteger(const QSettings &ini, const QString &key, int fallback)
{
    bool ok = false;
    const int value = ini.value(Section + QLatin1Char('/') + key).toString().toInt(&ok);
    return ok ? value : fallback;
}

// Squared distance from `point` to the nearest point of `area`.
qint64 distanceSquared(const QPoint &point, const QRect &area)
{
    const qint64 dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
    const qint64 dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
    return dx * dx + dy * dy;
}

bool graspable(const QRect &frame, const QRect &screen)
{
    const QRect seen = frame & screen;
    return seen.width() >= std::min(frame.width(), Grip) &&
           seen.height() >= std::min(frame.height(), Grip) && !seen.isEmpty();
}

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/fenlo.ini");
}

Placement readPlacement(const QString &path)
{
    Placement placement;
    if (!QFileInfo::exists(path))
        return placement;
    const QSettings ini(path, QSettings::IniFormat);
    placement.width = readInteger(ini, QStringLiteral("width"), placement.width);
    placement.height = readInteger(ini, QStringLiteral("height"), placement.height);
    placement.top = readInteger(ini, QStringLiteral("top"), placement.top);
    placement.left = readInteger(ini, QStringLiteral("left"), placement.left);
    return placement;
}

void writePlacement(const QString &path, const Placement &placement)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(Section);
    ini.setValue(QStringLiteral("width"), placement.width);
    ini.setValue(QStringLiteral("height"), placement.height);
    ini.setValue(QStringLiteral("top"), placement.top);
    ini.setValue(QStringLiteral("left"), placement.left);
    ini.endGroup();
    ini.sync();
    if (ini.status() != QSettings::NoError)
        throw FenloError(QStringLiteral("設定ファイル %1 に書き込めません")
                             .arg(QDir::toNativeSeparators(path))
                             .toStdString());
}

QRect keepOnScreen(const QRect &frame, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return frame;
    for (const QRect &screen : screens)
        if (graspable(frame, screen))
            return frame;
    const QPoint centre = frame.center();
    const QRect target =
        *std::min_element(screens.begin(), screens.end(), [&](const QRect &a, const QRect &b) {
            return distanceSquared(centre, a) < distanceSquared(centre, b);
        });
    return fitInto(frame, target);
}

namespace {

// The window manager's border is known only once the window is mapped. Until then the client
// area takes the whole outer size; this trims it by the border as soon as the border shows, so
// the outer frame ends up exactly as large as it was saved.
class OuterSizeKeeper : public QObject
{
public:
    OuterSizeKeeper(QWidget *window, QSize outer) : QObject(window), window_(window), outer_(outer)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ &&
            (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            const QSize border = window_->frameGeometry().size() - window_->size();
            if (border.width() > 0 || border.height() > 0) {
                window_->removeEventFilter(this);
                window_->resize(outer_ - border);
                deleteLater();
            }
        }
        return false;
    }

private:
    QWidget *window_;
    QSize outer_;
};

} // namespace

void restorePlacement(QWidget &window)
{
    const QRect outer = keepOnScreen(readPlacement(settingsFilePath()).rect(), screenAreas());
    // Moved before it has a native window, a top-level window is placed by its outer frame and
    // the window manager takes the position as the user's, not as a hint of its own placement.
    Q_ASSERT(!window.testAttribute(Qt::WA_WState_Created));
    window.move(outer.topLeft());
    window.resize(outer.size());
    new OuterSizeKeeper(&window, outer.size());
}

void savePlacement(const QWidget &window)
{
    const QRect outer = window.frameGeometry();
    writePlacement(settingsFilePath(), {outer.width(), outer.height(), outer.y(), outer.x()});
}

} // namespace fenlo
