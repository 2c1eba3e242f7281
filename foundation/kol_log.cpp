#include "foundation/kol_log.h"

#include "foundation/file_helpers.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace {
struct TLogState {
    std::ofstream file;
    std::string path;
};

TLogState& Log() {
    static TLogState state;
    return state;
}
} // namespace

bool OpenLogFile(const std::string& folder, const std::string& applicationTitle) {
    CloseLogFile();
    const std::string dir = ToNativePath(folder);
    std::error_code ec;
    if (!dir.empty()) std::filesystem::create_directories(dir, ec);
    const std::string path = (dir.empty() ? std::string() : dir + "/") + applicationTitle + ".log";
    Log().file.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!Log().file) {
        Log().file = std::ofstream();
        return false;
    }
    Log().path = path;
    return true;
}

std::string LogFilePath() {
    return Log().path;
}

void WriteLog(const std::string& line) {
    if (!Log().file.is_open()) return;
    // CR LF: the log is read with the system's text tools on every platform the files travel to.
    Log().file << line << "\r\n";
    Log().file.flush();
}

void CloseLogFile() {
    if (Log().file.is_open()) Log().file.close();
    Log().path.clear();
}
