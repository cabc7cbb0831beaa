#pragma once

#include <string>

#include "platform/IStartupFolder.h"

namespace torvane {

// The XDG autostart folder ("autostart" under the user's configuration folder).
class XdgAutostartFolder : public IStartupFolder {
public:
    explicit XdgAutostartFolder(std::string folder);

    std::string Path() override;
    bool Make() override;

private:
    std::string m_path;
};

}  // namespace torvane
