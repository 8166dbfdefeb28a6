// The framework's application object: one static instance per program, started by
// the framework's WinMain, whose per-instance start-up may decline the message loop.
#pragma once
#include <windows.h>

namespace framework {

class Window;

class Application {
 public:
  Application();
  virtual ~Application();

  // Per-instance start-up. True runs the message loop; false ends the program
  // as soon as the exit processing has run.
  virtual bool InitInstance() { return true; }
  // Exit processing; its result is the process exit code.
  virtual int ExitInstance() { return 0; }
  // The message loop, run only when InitInstance answered true.
  virtual int Run();

  // The 3-D look of dialogs and controls. Windows 4.0 and later draw it
  // themselves; the common controls are initialised here so that a manifest that
  // names common controls 6 gets its visual styles (XP wants this before the
  // first dialog is created).
  void Enable3dControls();

  HINSTANCE instance() const { return instance_; }
  Window* mainWindow() const { return mainWindow_; }
  void SetMainWindow(Window* window) { mainWindow_ = window; }

  // The one application object of the program.
  static Application* Current() { return current_; }

 private:
  friend int RunApplication(HINSTANCE instance);
  HINSTANCE instance_ = nullptr;
  Window* mainWindow_ = nullptr;
  static Application* current_;
};

// The body of the framework's WinMain.
int RunApplication(HINSTANCE instance);

}  // namespace framework
