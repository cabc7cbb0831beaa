// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ImportHistoryCommand.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryImporter.h"
#include "linux/HostImportFolder.h"
#include "platform/DevicePaths.h"

namespace torvane {

namespace {

namespace fs = std::filesystem;

constexpr const char* kDefaultFolder = "\\My Documents\\History";

bool IsChargeHistoryName(const std::string& name) {
    const std::string prefix = "history-charge-";
    const std::string suffix = ".dat";
    return name.size() > prefix.size() + suffix.size() && name.starts_with(prefix) &&
           name.ends_with(suffix);
}

// The charge histories in a folder, sorted by name; nothing when the folder cannot be listed.
std::optional<std::vector<std::string>> ChargeHistoriesIn(const std::string& folder,
                                                          std::string& error) {
    std::error_code ec;
    std::vector<std::string> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (IsChargeHistoryName(it->path().filename().string())) {
            found.push_back(it->path().string());
        }
    }
    if (ec) {
        error = "cannot read the battery history folder " + folder + ": " + ec.message();
        return std::nullopt;
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The history at `path` opened for reading, or the reason it cannot be read. Only regular
// files are opened, so a mistaken path never blocks on a pipe or a device.
std::optional<std::string> OpenHistory(const std::string& path, std::ifstream& in) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return "cannot read " + path + ": " + std::strerror(errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return "cannot read " + path + ": not a regular file";
    }
    in.open(path, std::ios::binary);
    if (!in) {
        return "cannot read " + path + ": " + std::strerror(errno);
    }
    return std::nullopt;
}

}  // namespace

std::string HistoryFolderPath(const std::string& into, const Environment& env) {
    const DevicePaths paths(env.deviceRoot);
    if (into.empty()) {
        return paths.ToHostPath(kDefaultFolder);
    }
    // A host folder, relative ones to the current folder.
    std::error_code ec;
    const fs::path absolute = fs::absolute(into, ec);
    return paths.ToHostPath(ec ? into : absolute.string());
}

int RunImportHistory(const std::vector<std::string>& files, const std::string& into,
                     const Environment& env, std::ostream& out, std::ostream& err) {
    ::tzset();  // log names follow the local time zone, TZ included

    std::vector<std::string> histories = files;
    if (histories.empty()) {
        std::string error;
        const auto found = ChargeHistoriesIn(env.historyDir, error);
        if (!found) {
            err << "torvane: " << error << "\n";
            return 1;
        }
        if (found->empty()) {
            err << "torvane: no battery history in " << env.historyDir
                << " (no history-charge-*.dat file)\n";
            return 1;
        }
        histories = *found;
    }

    HostImportFolder folder(HistoryFolderPath(into, env));
    HistoryImporter importer(folder, out, err);
    std::vector<std::string> problems;
    for (const std::string& path : histories) {
        std::ifstream in;
        if (auto problem = OpenHistory(path, in)) {
            problems.push_back(*problem);
            continue;
        }
        if (!importer.Import(in)) {
            problems.push_back("cannot read " + path + ": a read error broke it off");
        }
    }

    if (importer.Counts().histories == 0) {
        err << "torvane: no battery history could be read: " << problems.front();
        if (problems.size() > 1) {
            err << " (and " << problems.size() - 1 << " more)";
        }
        err << "\n";
        return 1;
    }
    for (const std::string& problem : problems) {
        err << "torvane: " << problem << "\n";
    }
    out << importer.Summary() << "\n";
    out.flush();
    return importer.Counts().failed == 0 && out ? 0 : 1;
}

}  // namespace torvane
