// The DLL's entry points: the loader's DllMain and the two functions COM asks for.
#include "shellext/win32/ShellExtModule.h"

#include <atomic>
#include <new>

#include "shellext/win32/ClassFactory.h"

namespace shellext {

namespace {

HMODULE module = nullptr;
std::atomic<long> liveObjects{0};
std::atomic<long> serverLocks{0};

}  // namespace

HMODULE ModuleHandle() { return module; }

void ObjectCreated() { ++liveObjects; }
void ObjectDestroyed() { --liveObjects; }
void LockModule(bool lock) { lock ? ++serverLocks : --serverLocks; }

}  // namespace shellext

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    shellext::module = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID interfaceId, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(classId, shellext::kClassId)) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new (std::nothrow) shellext::ClassFactory();
  if (factory == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = factory->QueryInterface(interfaceId, object);
  factory->Release();
  return result;
}

STDAPI DllCanUnloadNow() {
  return shellext::liveObjects == 0 && shellext::serverLocks == 0 ? S_OK : S_FALSE;
}
