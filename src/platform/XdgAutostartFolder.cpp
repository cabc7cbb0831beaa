#include "platform/XdgAutostartFolder.h"

#include <utility>

#include "platform/MakeFolders.h"

namespace torvane {

XdgAutostartFolder::XdgAutostartFolder(std::string configHome) : m_path(std::move(configHome)) {
    while (m_path.size() > 1 && m_path.back() == '/') {
        m_path.pop_back();
    }
    m_path += "/autostart";
}

std::string XdgAutostartFolder::Path() {
    return m_path;
}

bool XdgAutostartFolder::Make() {
    return MakeFolders(m_path);
}

}  // namespace torvane
