#pragma once

#include <QString>

#include <functional>

namespace fenlo {

// Every message box of the program goes through the one installed Prompter, so tests can
// script the answers and check the exact texts.
class Prompter
{
public:
    enum class Kind { Warning, Confirmation, Information, Plain, Error };
    enum class Buttons { Ok, YesNo, YesOnly };
    enum class Answer { Ok, Yes, No };

    struct Box
    {
        Kind kind;
        QString text;
        Buttons buttons;
    };

    virtual ~Prompter() = default;
    virtual Answer ask(const Box &box) = 0;

    // The prompter in use; the application's message boxes unless another was installed.
    static Prompter &current();
    // Installs `prompter` (not owned); nullptr restores the message boxes.
    static void install(Prompter *prompter);

    // The boxes the program uses.
    static void warning(const QString &text);
    static bool warningYesNo(const QString &text);
    static bool confirm(const QString &text);
    static void information(const QString &text);
    static void plain(const QString &text);
    // The general error box: the text gets a final "." when its last character sorts after ".".
    static void error(const QString &text);
    static QString errorText(const QString &text);

    // Runs a command; an error it does not catch ends it and is shown in the error box, and
    // the program carries on.
    static void guarded(const std::function<void()> &command);
};

// The production prompter: QMessageBox with the application title as caption.
class MessageBoxPrompter : public Prompter
{
public:
    Answer ask(const Box &box) override;
};

// The program's title, used as the caption of every message box.
inline QString applicationTitle() { return QStringLiteral("燃費管理「ふぇんろ」"); }

} // namespace fenlo
