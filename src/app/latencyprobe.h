#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <cstdio>
#include <optional>

class QWidget;

namespace fenlo {

// Instrumentation for the interaction benchmark, off unless FENLO_LATENCY_PROBE names the
// widgets to watch (comma-separated object names); off, nothing of it is installed. It writes
// lines in milliseconds on one monotonic clock: "key T" for each key the user presses (the
// command), "done T" when the program has handled it (or, for a key that opens a modal
// window, when that window's event loop first runs), "focus NAME T" when the widget NAME
// takes the keyboard focus, and "painted NAME T" when a frame that painted the widget NAME,
// or something inside it in the same window, has been painted and handed to the window
// system.
class LatencyProbe : public QObject
{
public:
    // Installs a probe on the application, writing to `out`, when the environment asks for
    // one; returns it, or null when it is off.
    static LatencyProbe *installIfAsked(std::FILE *out = stderr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LatencyProbe(QStringList names, std::FILE *out);
    void noteKey(const QEvent *event);
    void notePaint(const QWidget *widget);
    void write(const char *what, const QString &name = {});

    QStringList names_;
    std::FILE *out_;
    QElapsedTimer clock_;
    std::optional<quint64> lastKeyTimestamp_;
    QSet<QString> painting_; // watched widgets whose frame is being painted
};

} // namespace fenlo
