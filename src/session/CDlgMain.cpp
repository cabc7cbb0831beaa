#include "session/CDlgMain.h"

namespace torvane {

CDlgMain::CDlgMain(const MainServices& services)
    : m_btnGo(services.window), m_services(services), m_settings(services.registry) {}

CDlgMain::~CDlgMain() = default;

std::string CDlgMain::AutoSavePath() const {
    return m_strSavePath + "\\autosave.blf";
}

}  // namespace torvane
