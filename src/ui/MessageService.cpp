#include "MessageService.h"

#include <QMessageBox>

namespace kelvara::ui {

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Critical: return QMessageBox::Critical;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

class MessageBoxService : public MessageService {
public:
    MessageAnswer Show(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override {
        QMessageBox box(ToQt(icon), title, text, QMessageBox::NoButton, parent);
        switch (buttons) {
            case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
            case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
            case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        }
        switch (box.exec()) {
            case QMessageBox::Cancel: return MessageAnswer::Cancel;
            case QMessageBox::Yes: return MessageAnswer::Yes;
            case QMessageBox::No: return MessageAnswer::No;
            default: return MessageAnswer::Ok;
        }
    }
};

MessageService* installed = nullptr;

}  // namespace

MessageService& Messages() {
    static MessageBoxService boxes;
    return installed ? *installed : boxes;
}

void InstallMessageService(MessageService* service) { installed = service; }

void ShowMessage(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) {
    Messages().Show(parent, title, text, icon, MessageButtons::Ok);
}

void ShowRefusal(QWidget* parent, const Refusal& refusal) {
    ShowMessage(parent, QString::fromStdString(refusal.Title), QString::fromStdString(refusal.Text),
                refusal.ErrorIcon ? MessageIcon::Critical : MessageIcon::None);
}

MessageRecorder::MessageRecorder() { InstallMessageService(this); }

MessageRecorder::~MessageRecorder() {
    if (&Messages() == this) InstallMessageService(nullptr);
}

MessageAnswer MessageRecorder::Show(QWidget*, const QString& title, const QString& text, MessageIcon icon,
                                    MessageButtons buttons) {
    messages_.push_back({title, text, icon, buttons});
    if (!answers_.empty()) {
        const MessageAnswer answer = answers_.front();
        answers_.erase(answers_.begin());
        return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

}  // namespace kelvara::ui
