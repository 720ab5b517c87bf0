#include "shellext/win32/ClassFactory.h"

#include <new>

#include "shellext/win32/ContextMenuHandler.h"
#include "shellext/win32/ShellExtModule.h"

namespace shellext {

ClassFactory::ClassFactory() { ObjectCreated(); }

ClassFactory::~ClassFactory() { ObjectDestroyed(); }

STDMETHODIMP ClassFactory::QueryInterface(REFIID interfaceId, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ClassFactory::AddRef() { return ++references_; }

STDMETHODIMP_(ULONG) ClassFactory::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID interfaceId, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  auto* handler = new (std::nothrow) ContextMenuHandler();
  if (handler == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = handler->QueryInterface(interfaceId, object);
  handler->Release();
  return result;
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
  LockModule(lock != FALSE);
  return S_OK;
}

}  // namespace shellext
