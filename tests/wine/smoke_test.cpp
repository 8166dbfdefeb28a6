// Proves the Wine session works: a window can be made and shown on the display.
#include <windows.h>
#include "check.h"
int main() {
  TEST_CASE("window");
  HWND w = CreateWindowA("STATIC", "smoke", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, 0, 0, 0, 0);
  CHECK(w != 0);
  CHECK_EQ(GetSystemMetrics(SM_CYICON), 32);
  DestroyWindow(w);
  return check::Summary();
}
