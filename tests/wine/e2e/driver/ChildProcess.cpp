#include "driver/ChildProcess.h"

namespace e2e {

namespace {

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

}  // namespace

void PumpMessagesFor(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

ChildProcess::ChildProcess(const std::wstring& program, const std::vector<std::wstring>& arguments) {
  std::wstring commandLine = Quoted(program);
  for (const std::wstring& argument : arguments) commandLine += L" " + Quoted(argument);
  Start(program, commandLine);
}

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& rawArguments) {
  Start(program, Quoted(program) + rawArguments);
}

void ChildProcess::Start(const std::wstring& program, const std::wstring& commandLine) {
  job_ = CreateJobObjectW(nullptr, nullptr);
  std::wstring mutableLine = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, nullptr, &startup, &info)) {
    return;
  }
  if (job_ != nullptr) AssignProcessToJobObject(job_, info.hProcess);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
  Kill();
  if (process_ != nullptr) CloseHandle(process_);
  if (job_ != nullptr) CloseHandle(job_);
}

void ChildProcess::Kill() {
  if (job_ != nullptr) TerminateJobObject(job_, 99);
  if (process_ != nullptr && !HasEnded()) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
}

bool ChildProcess::HasEnded() const {
  return process_ == nullptr || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

bool ChildProcess::WaitUntilIdle(DWORD milliseconds) {
  return process_ != nullptr && WaitForInputIdle(process_, milliseconds) == 0;
}

bool ChildProcess::Includes(DWORD processId) const {
  if (processId == id_) return true;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId);
  if (process == nullptr) return false;
  BOOL inJob = FALSE;
  const bool asked = job_ != nullptr && IsProcessInJob(process, job_, &inJob);
  CloseHandle(process);
  return asked && inJob;
}

bool ChildProcess::WaitForExit(DWORD milliseconds) {
  if (process_ == nullptr) return false;
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (!HasEnded()) {
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return false;
    MsgWaitForMultipleObjects(1, &process_, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    PumpMessagesFor(0);
  }
  return true;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_ != nullptr) GetExitCodeProcess(process_, &code);
  return code;
}

bool ChildProcess::WaitForJobToEmpty(DWORD milliseconds) {
  if (job_ == nullptr) return HasEnded();
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (!QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                                   nullptr)) {
      return HasEnded();
    }
    if (accounting.ActiveProcesses == 0) return true;
    if (GetTickCount64() >= end) return false;
    PumpMessagesFor(20);
  }
}

}  // namespace e2e
