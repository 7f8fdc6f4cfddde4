#include "platform/Application.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Cp932.h"
#include "platform/Form.h"

namespace {
TApplicationBackend g_backend;
std::function<void(int)> g_terminate;
std::function<void(const std::string&)> g_message;
std::string g_title;
}  // namespace

void Application_SetTitle(const std::string& title) { g_title = title; }
const std::string& Application_Title() { return g_title; }

void Application_Install(const TApplicationBackend& backend) { g_backend = backend; }

void Application_Run(TForm& form) {
    if (g_backend.Run) g_backend.Run(form);
}

void Application_ShowException(const std::string& message) {
    if (g_backend.ShowException) g_backend.ShowException(message);
    else std::fprintf(stderr, "%s\n", Cp932_ToUtf8(message).c_str());  // messages are CP932
}

void Application_ShowMessage(const std::string& message) {
    if (g_message) g_message(message);  // headless runs record it
    else if (g_backend.ShowMessage) g_backend.ShowMessage(message);
    else std::fprintf(stderr, "%s\n", message.c_str());
}

void Application_SetMessageHandler(std::function<void(const std::string& message)> handler) {
    g_message = std::move(handler);
}

void Application_SetTerminateHandler(std::function<void(int status)> handler) {
    g_terminate = std::move(handler);
}

void Application_Terminate(int status) {
    if (g_terminate) g_terminate(status);  // headless runs unwind from here
    std::fflush(nullptr);
    std::exit(status);
}
