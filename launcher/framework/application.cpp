// The application object's start-up and message loop, and the program's WinMain.
#include "application.h"

#include <commctrl.h>

namespace framework {

Application* Application::current_ = nullptr;

Application::Application() { current_ = this; }

Application::~Application() {
  if (current_ == this) current_ = nullptr;
}

int Application::Run() {
  MSG message;
  // The windows are Unicode ones: their characters stay UTF-16 on the way.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return ExitInstance();
}

void Application::Enable3dControls() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  if (!InitCommonControlsEx(&controls)) InitCommonControls();
}

int RunApplication(HINSTANCE instance) {
  Application* app = Application::Current();
  if (!app) return 1;
  app->instance_ = instance;
  if (app->InitInstance()) return app->Run();
  return app->ExitInstance();
}

}  // namespace framework

// The command line is not the framework's business: a program reads it if it wants.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return framework::RunApplication(instance);
}
