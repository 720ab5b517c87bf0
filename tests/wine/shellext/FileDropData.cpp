#include "FileDropData.h"

#include <shlobj.h>

#include <cstring>

namespace shellext_test {

FileDropData::FileDropData(std::vector<std::wstring> paths, bool offersDrop)
    : paths_(std::move(paths)), offersDrop_(offersDrop) {}

STDMETHODIMP FileDropData::QueryInterface(REFIID interfaceId, void** object) {
  if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IDataObject)) {
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) FileDropData::AddRef() { return ++references_; }

STDMETHODIMP_(ULONG) FileDropData::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

bool FileDropData::IsDrop(const FORMATETC& format) const {
  return offersDrop_ && format.cfFormat == CF_HDROP && (format.tymed & TYMED_HGLOBAL) != 0;
}

STDMETHODIMP FileDropData::QueryGetData(FORMATETC* format) {
  return format != nullptr && IsDrop(*format) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP FileDropData::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out != nullptr) out->ptd = nullptr;
  return E_NOTIMPL;
}

// DROPFILES followed by the paths, each ending in a zero, and one more zero after the last.
STDMETHODIMP FileDropData::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (format == nullptr || medium == nullptr) return E_INVALIDARG;
  if (!IsDrop(*format)) return DV_E_FORMATETC;
  std::wstring list;
  for (const std::wstring& path : paths_) list.append(path).push_back(L'\0');
  list.push_back(L'\0');
  const SIZE_T size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (memory == nullptr) return E_OUTOFMEMORY;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(),
              list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = memory;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

}  // namespace shellext_test
