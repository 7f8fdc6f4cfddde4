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

std::string Message_NotSavedText(const char* path) {
    const char* name = std::strrchr(path, '\\');
    return std::string(name ? name + 1 : path) + "を保存できませんでした。";
}

void Message_NotSaved(const char* path) { Application_ShowMessage(Message_NotSavedText(path)); }
