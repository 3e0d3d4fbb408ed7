// hold_file PATH NAME: opens PATH for reading, sets the event NAME-ready, and
// keeps the file open until the event NAME-go is set.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  HANDLE file = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const std::string name = argv[2];
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, (name + "-ready").c_str());
  HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, (name + "-go").c_str());
  if (!ready || !go) return 1;
  SetEvent(ready);
  WaitForSingleObject(go, 60000);
  CloseHandle(file);
  return 0;
}
