#include "platform/Shell.h"

namespace {
TShellServices g_services;
}

void Shell_Install(const TShellServices& services) { g_services = services; }

bool Shell_OpenDocument(const std::string& hostPath) {
    return g_services.OpenDocument ? g_services.OpenDocument(hostPath) : false;
}
