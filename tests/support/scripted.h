#pragma once

#include "ui/filechooser.h"
#include "ui/prompter.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <optional>

namespace fenlo::test {

// Answers message boxes from a queue and records every box shown. A box nobody expected is
// recorded in `unexpected` and answered No/OK, so a test sees it instead of hanging.
class ScriptedPrompter : public Prompter
{
public:
    ScriptedPrompter() { Prompter::install(this); }
    ~ScriptedPrompter() override { Prompter::install(nullptr); }

    void expect(Answer answer) { answers.enqueue(answer); }

    Answer ask(const Box &box) override
    {
        shown.append(box);
        if (answers.isEmpty()) {
            unexpected.append(box.text);
            return box.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
        }
        return answers.dequeue();
    }

    QStringList texts() const
    {
        QStringList out;
        for (const Box &b : shown)
            out << b.text;
        return out;
    }

    QQueue<Answer> answers;
    QList<Box> shown;
    QStringList unexpected;
};

// Answers open and save dialogs from a queue (nullopt = cancel) and records each request.
class ScriptedFileChooser : public FileChooser
{
public:
    ScriptedFileChooser() { FileChooser::install(this); }
    ~ScriptedFileChooser() override { FileChooser::install(nullptr); }

    std::optional<QString> openFile(const Request &request) override { return next(request, true); }
    std::optional<QString> saveFile(const Request &request) override { return next(request, false); }

    QQueue<std::optional<QString>> answers;
    QList<Request> requests;
    QList<bool> wasOpen;
    int unexpected = 0;

private:
    std::optional<QString> next(const Request &request, bool open)
    {
        requests.append(request);
        wasOpen.append(open);
        if (answers.isEmpty()) {
            ++unexpected;
            return std::nullopt;
        }
        return answers.dequeue();
    }
};

} // namespace fenlo::test
