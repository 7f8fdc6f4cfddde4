#include "ui/Message.h"

#include <cstring>
#include <string>

#include "platform/Application.h"
#include "platform/File.h"

bool Message_CheckSaved(const char* path, bool written) {
    if (written || !Path_Taken(path)) return true;
    Message_NotSaved(path);
    return !File_Exists(path);
}

namespace {
// A system path named by its file name; a bare name stays whole.
std::string FileName(const char* path) {
    const char* name = std::strrchr(path, '\\');
    return name ? name + 1 : path;
}
}  // namespace

std::string Message_NotSavedText(const char* path) { return FileName(path) + "を保存できませんでした。"; }

void Message_NotSaved(const char* path) { Application_ShowMessage(Message_NotSavedText(path)); }

std::string Message_NotReadText(const char* path) { return FileName(path) + "を読み込めませんでした。"; }

void Message_NotRead(const char* path) { Application_ShowMessage(Message_NotReadText(path)); }
