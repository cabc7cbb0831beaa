#include "logfile/LogFileCommands.h"
#include "session/CDlgMain.h"

namespace torvane {

bool CDlgMain::WriteLogFile(const std::string& path) {
    LogFileCommands files(m_services.files, m_services.messages, m_services.fileDialog);
    return files.WriteLogFile(m_log, path);
}

bool CDlgMain::ReadLogFile(const std::string& path) {
    LogFileCommands files(m_services.files, m_services.messages, m_services.fileDialog);
    return files.ReadLogFile(path, {m_log, m_ref, m_nLoadTarget});
}

}  // namespace torvane
