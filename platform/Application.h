// The application object: the message loop, the exit of the process, the
// message box and the exception box. The backend installs the real loop; headless runs (tests,
// the scenario runner) drive the form themselves.
#pragma once

#include <functional>
#include <string>

class TForm;

struct TApplicationBackend {
    // Shows the form and runs the message loop until it ends.
    std::function<void(TForm& form)> Run;
    // Shows an error box for an exception that escaped.
    std::function<void(const std::string& message)> ShowException;
    // Shows a modal message box with an OK button; returns once it is closed.
    std::function<void(const std::string& message)> ShowMessage;
};

void Application_Install(const TApplicationBackend& backend);
// The program's title (CP932), which the backend gives every box it shows,
// also before the window is shown (as at a refused start).
void Application_SetTitle(const std::string& title);
const std::string& Application_Title();
void Application_Run(TForm& form);
void Application_ShowException(const std::string& message);
// Tells the user something in a modal message box (message: CP932 text) and
// returns when the box has been closed. Headless runs install a handler
// that records the message instead (as if OK were pressed at once).
void Application_ShowMessage(const std::string& message);
void Application_SetMessageHandler(std::function<void(const std::string& message)> handler);

// Ends the process with a status. Headless runs install a handler that
// records the status (and throws out of the handler chain) instead.
[[noreturn]] void Application_Terminate(int status);
void Application_SetTerminateHandler(std::function<void(int status)> handler);

// Thrown by the headless terminate handler to unwind back to the driver.
struct TApplicationExit {
    int Status;
};
