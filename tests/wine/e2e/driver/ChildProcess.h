#pragma once
// A program under test, started the way a user's shell would start it, inside a job object
// so that the driver can also wait for the programs that it starts in turn (viewer, address
// handler) before it looks at what they recorded.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class ChildProcess {
 public:
  // Starts `program` with the arguments, each put in double quotes.
  ChildProcess(const std::wstring& program, const std::vector<std::wstring>& arguments);
  // Starts `program` with the raw text after the program name.
  ChildProcess(const std::wstring& program, const std::wstring& rawArguments);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }

  // Waits for the program to end, handling the driver's own window messages meanwhile.
  // Returns false when it has not ended in time.
  bool WaitForExit(DWORD milliseconds);
  // Waits until the program waits for input with nothing left to handle (WaitForInputIdle).
  bool WaitUntilIdle(DWORD milliseconds);
  // Ends the program and everything it started.
  void Kill();
  DWORD ExitCode() const;
  // Waits until every process of the job (the program and whatever it started) has ended.
  bool WaitForJobToEmpty(DWORD milliseconds);
  bool HasEnded() const;
  // Whether the process is this program or one it started, directly or through others.
  bool Includes(DWORD processId) const;

 private:
  void Start(const std::wstring& program, const std::wstring& commandLine);

  HANDLE job_ = nullptr;
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Lets the driver's own window messages be handled while it waits.
void PumpMessagesFor(DWORD milliseconds);

}  // namespace e2e
