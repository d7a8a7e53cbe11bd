#include "app/latencyprobe.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>

namespace fenlo {

LatencyProbe::LatencyProbe(QStringList names) : names_(std::move(names))
{
    clock_.start();
}

void LatencyProbe::installIfAsked()
{
    const QString names = qEnvironmentVariable("FENLO_LATENCY_PROBE");
    if (names.isEmpty())
        return;
    auto *probe = new LatencyProbe(names.split(QLatin1Char(','), Qt::SkipEmptyParts));
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

bool LatencyProbe::eventFilter(QObject *watched, QEvent *event)
{
    // A key reaches the program as a shortcut override, or as a key press, or both, and a
    // press travels up the parents; the window system's timestamp tells one press from the next.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        noteKey(event);
    else if (event->type() == QEvent::Paint)
        notePaint(watched);
    return QObject::eventFilter(watched, event);
}

void LatencyProbe::noteKey(const QEvent *event)
{
    const auto *key = static_cast<const QKeyEvent *>(event);
    const bool modifierOnly = key->key() == Qt::Key_Alt || key->key() == Qt::Key_Control ||
                              key->key() == Qt::Key_Shift || key->key() == Qt::Key_Meta;
    if (modifierOnly || key->isAutoRepeat() || key->timestamp() == lastKeyTimestamp_)
        return;
    lastKeyTimestamp_ = key->timestamp();
    std::fprintf(stderr, "key %.3f\n", static_cast<double>(clock_.nsecsElapsed()) / 1e6);
}

void LatencyProbe::notePaint(const QObject *widget)
{
    for (const QObject *o = widget; o; o = o->parent()) {
        const QString name = o->objectName();
        if (!names_.contains(name) || painting_.contains(name))
            continue;
        // The frame is painted and flushed within the event that paints this widget; a zero
        // timer fires once that event is done.
        painting_.insert(name);
        QTimer::singleShot(0, this, [this, name] {
            painting_.remove(name);
            std::fprintf(stderr, "painted %s %.3f\n", qPrintable(name),
                         static_cast<double>(clock_.nsecsElapsed()) / 1e6);
        });
    }
}

} // namespace fenlo
