#pragma once

// "Is this program already running in this session?" answered by a named
// mutex that the first instance holds for its whole life. Windows closes the
// mutex with its process however that ends, so a crashed or killed instance
// never blocks the next start.
#include <windows.h>

#include <string>

#include "form/form_view.h"

namespace quorvel::win32 {

class InstanceMutex : public form::PreviousInstance {
 public:
  explicit InstanceMutex(std::wstring program_path);
  ~InstanceMutex() override;
  InstanceMutex(const InstanceMutex&) = delete;
  InstanceMutex& operator=(const InstanceMutex&) = delete;

  // Takes the mutex when no other instance has it. A mutex that cannot be
  // made for another reason answers no: the program then simply starts.
  bool IsRunning() override;

  // The full path of this program's file, with links and short names
  // resolved, so that every way of starting the same file finds one mutex.
  static std::wstring ThisProgramPath();
  // "Local\Quorvel-" and a hash of the path taken case-blind (Windows file
  // names are): the same file under any spelling gives the same name, and the
  // name holds no backslash of the path.
  static std::wstring MutexName(const std::wstring& program_path);

 private:
  std::wstring name_;
  HANDLE mutex_ = nullptr;
};

}  // namespace quorvel::win32
