#include "app/latencyprobe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace fenlo {

LatencyProbe::LatencyProbe(QStringList names, std::FILE *out) : names_(std::move(names)), out_(out)
{
    clock_.start();
}

LatencyProbe *LatencyProbe::installIfAsked(std::FILE *out)
{
    const QString names = qEnvironmentVariable("FENLO_LATENCY_PROBE");
    if (names.isEmpty())
        return nullptr;
    auto *probe = new LatencyProbe(names.split(QLatin1Char(','), Qt::SkipEmptyParts), out);
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
    // A blinking caret repaints its window twice a second; measured, every frame should be
    // one that a command brought.
    QApplication::setCursorFlashTime(0);
    return probe;
}

bool LatencyProbe::eventFilter(QObject *watched, QEvent *event)
{
    // A key reaches the program as a shortcut override, or as a key press, or both, and a
    // press travels up the parents; the window system's timestamp tells one press from the next.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        noteKey(event);
    else if (event->type() == QEvent::Paint && watched->isWidgetType())
        notePaint(static_cast<QWidget *>(watched));
    else if (event->type() == QEvent::FocusIn && !watched->objectName().isEmpty())
        write("focus", watched->objectName());
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
    write("key");
    // A zero timer fires once the key's event, and whatever the key's command did within
    // it, is done.
    QTimer::singleShot(0, this, [this] { write("done"); });
}

void LatencyProbe::notePaint(const QWidget *widget)
{
    // Up to the window only: a dialog's parent is the window that opened it, whose frames are
    // another matter.
    for (const QWidget *w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QString name = w->objectName();
        if (!names_.contains(name) || painting_.contains(name))
            continue;
        // The frame is painted and flushed within the event that paints this widget; a zero
        // timer fires once that event is done.
        painting_.insert(name);
        QTimer::singleShot(0, this, [this, name] {
            painting_.remove(name);
            write("painted", name);
        });
    }
}

void LatencyProbe::write(const char *what, const QString &name)
{
    const double ms = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
    if (name.isEmpty())
        std::fprintf(out_, "%s %.3f\n", what, ms);
    else
        std::fprintf(out_, "%s %s %.3f\n", what, qPrintable(name), ms);
    std::fflush(out_);
}

} // namespace fenlo
