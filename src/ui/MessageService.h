#pragma once
#include <QString>
#include <vector>

#include "Refusal.h"

class QWidget;

namespace kelvara::ui {

enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Every message box of the program goes through the installed service, so the
// titles, texts and icons live in one place and tests can record the messages
// instead of blocking on a modal dialog.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer Show(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

// The service in use: modal message boxes, unless another one was installed.
MessageService& Messages();

// Installs a service (nullptr puts the message boxes back). The caller keeps
// ownership and uninstalls it before destroying it.
void InstallMessageService(MessageService* service);

// Shorthand for the common case, a message with an OK button.
void ShowMessage(QWidget* parent, const QString& title, const QString& text, MessageIcon icon = MessageIcon::Critical);

// A calculator's refusal, with the error icon unless it asks for none.
void ShowRefusal(QWidget* parent, const Refusal& refusal);

// A service that answers without showing anything and keeps what was asked:
// tests install it and assert on the messages.
class MessageRecorder : public MessageService {
public:
    struct Message {
        QString Title;
        QString Text;
        MessageIcon Icon;
        MessageButtons Buttons;
    };

    MessageRecorder();            // installs itself
    ~MessageRecorder() override;  // and uninstalls itself

    MessageAnswer Show(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;

    // The answer given to the next questions, in order; then Ok or Yes.
    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }

    const std::vector<Message>& messages() const { return messages_; }
    const Message& last() const { return messages_.back(); }
    bool empty() const { return messages_.empty(); }
    void clear() { messages_.clear(); }

private:
    std::vector<Message> messages_;
    std::vector<MessageAnswer> answers_;
};

}  // namespace kelvara::ui
