#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace fenlo::test {

// Runs a step on the next modal dialog once its exec() shows it. A dialog the step leaves open
// is closed without questions, so a failing step never leaves the test hanging; destroying the
// object stops waiting for a dialog that never came.
class ModalStep
{
public:
    explicit ModalStep(std::function<void(QDialog *)> step) : step_(std::move(step))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    bool ran() const { return ran_; }

private:
    void poll()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer_.stop();
        ran_ = true;
        QApplication::setActiveWindow(dialog);
        step_(dialog);
        if (dialog->isVisible())
            dialog->done(QDialog::Rejected);
    }

    std::function<void(QDialog *)> step_;
    QTimer timer_;
    bool ran_ = false;
};

} // namespace fenlo::test
