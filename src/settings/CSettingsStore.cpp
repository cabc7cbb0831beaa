#include "settings/CSettingsStore.h"

// Placeholder until the store lands; every read gives the absent value.
namespace torvane {

DWORD CSettingsStore::ReadDword(const std::string&) {
    return 0;
}
std::string CSettingsStore::ReadString(const std::string&) {
    return {};
}
bool CSettingsStore::WriteDword(const std::string&, DWORD) {
    return false;
}
bool CSettingsStore::WriteString(const std::string&, const std::string&) {
    return false;
}

}  // namespace torvane
