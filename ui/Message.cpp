#include "ui/Message.h"

#include <cstring>
#include <string>

#include "platform/Application.h"

void Message_NotSaved(const char* path) {
    const char* name = std::strrchr(path, '\\');
    Application_ShowMessage(std::string(name ? name + 1 : path) + "を保存できませんでした。");
}
