#include "fakes/FakePlatform.h"

namespace torvane::test {

MessageAnswer ScriptedMessageBox::Show(const std::string& text, MessageButtons kind) {
    shown.push_back(text);
    buttons.push_back(kind);
    if (whileOpen) {
        whileOpen();
    }
    if (!answers.empty()) {
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return kind == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

FileReadResult MemoryFileStore::ReadFile(const std::string& path, std::vector<std::uint8_t>& out) {
    auto it = files.find(path);
    if (it == files.end()) {
        return FileReadResult::CannotOpen;
    }
    out = it->second;
    return FileReadResult::Ok;
}

FileWriteResult MemoryFileStore::WriteFile(const std::string& path,
                                           const std::vector<std::uint8_t>& bytes) {
    ++writes;
    if (failWritesWith) {
        return *failWritesWith;
    }
    files[path] = bytes;
    return FileWriteResult::Ok;
}

}  // namespace torvane::test
