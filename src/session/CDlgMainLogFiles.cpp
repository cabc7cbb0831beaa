#include "logfile/LogFileCommands.h"
#include "platform/IMessageBox.h"
#include "platform/ITimers.h"
#include "session/CDlgMain.h"

namespace torvane {

namespace {

// Keeps the text a file operation would show, so the caller can show it when it is safe to.
class HeldMessage : public IMessageBox {
public:
    MessageAnswer Show(const std::string& text, MessageButtons) override {
        held = text;
        return MessageAnswer::Ok;
    }
    std::string held;
};

}  // namespace

bool CDlgMain::WriteLogFile(const std::string& path) {
    LogFileCommands files(m_services.files, m_services.messages, m_services.fileDialog);
    return files.WriteLogFile(m_log, path);
}

bool CDlgMain::ReadLogFile(const std::string& path) {
    LogFileCommands files(m_services.files, m_services.messages, m_services.fileDialog);
    return files.ReadLogFile(path, {m_log, m_ref, m_nLoadTarget});
}

void CDlgMain::AutoSave() {
    HeldMessage failure;
    LogFileCommands files(m_services.files, failure, m_services.fileDialog);
    if (files.WriteLogFile(m_log, AutoSavePath())) {
        m_bAutoSaveFailing = false;
        return;
    }
    // A missing folder fails at every sample: one box for the whole run of failures, and
    // none beside one that is still open.
    const bool tell = !m_bAutoSaveFailing && !m_bAutoSaveFailureTold;
    m_bAutoSaveFailing = true;
    if (!tell) {
        return;
    }
    // Shown from the event loop, not from the tick: a box opened inside a timer's handler
    // would hold that timer, and with it the session, until it closed.
    m_bAutoSaveFailureTold = true;
    PostToSelf([text = failure.held](CDlgMain& self) {
        self.m_services.messages.Show(text, MessageButtons::Ok);
        self.m_bAutoSaveFailureTold = false;
    });
}

void CDlgMain::PostToSelf(std::function<void(CDlgMain&)> call) {
    m_services.timers.Post(
        [target = std::weak_ptr<CDlgMain*>(m_postTarget), call = std::move(call)] {
            if (const auto self = target.lock()) {
                call(**self);
            }
        });
}

}  // namespace torvane
