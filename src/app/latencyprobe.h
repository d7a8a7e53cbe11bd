#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QStringList>

namespace fenlo {

// Instrumentation for the interaction benchmark, off unless FENLO_LATENCY_PROBE names the
// widgets to watch (comma-separated object names). It writes to standard error, in
// milliseconds on one monotonic clock, "key T" for each key the user presses (the command)
// and "painted NAME T" when a frame that painted the widget NAME, or something inside it, has
// been painted and handed to the window system.
class LatencyProbe : public QObject
{
public:
    // Installs a probe on the application when the environment asks for one.
    static void installIfAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit LatencyProbe(QStringList names);
    void noteKey(const QEvent *event);
    void notePaint(const QObject *widget);

    QStringList names_;
    QElapsedTimer clock_;
    quint64 lastKeyTimestamp_ = 0;
    QSet<QString> painting_; // watched widgets whose frame is being painted
};

} // namespace fenlo
