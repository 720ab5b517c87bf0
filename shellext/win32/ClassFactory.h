#pragma once
// The class factory that COM gets from DllGetClassObject; it makes context-menu handlers.
#include <windows.h>
// COM's base interfaces, which windows.h leaves out in its lean form.
#include <objbase.h>

#include <atomic>

namespace shellext {

class ClassFactory final : public IClassFactory {
 public:
  ClassFactory();  // with one reference, the creator's
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;

  STDMETHODIMP QueryInterface(REFIID interfaceId, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID interfaceId, void** object) override;
  STDMETHODIMP LockServer(BOOL lock) override;

 private:
  ~ClassFactory();

  std::atomic<ULONG> references_{1};
};

}  // namespace shellext
