#pragma once
// A data object like the one Explorer hands to a context-menu handler: it offers the selected
// items' full paths as CF_HDROP (wide), and nothing else.
#include <windows.h>
// COM's base interfaces, which windows.h leaves out in its lean form.
#include <objbase.h>

#include <atomic>
#include <string>
#include <vector>

namespace shellext_test {

class FileDropData final : public IDataObject {
 public:
  // With `offersDrop` false the object has no file list at all.
  explicit FileDropData(std::vector<std::wstring> paths, bool offersDrop = true);
  FileDropData(const FileDropData&) = delete;
  FileDropData& operator=(const FileDropData&) = delete;

  STDMETHODIMP QueryInterface(REFIID interfaceId, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
  STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  STDMETHODIMP QueryGetData(FORMATETC* format) override;
  STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
  STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

  // References the object holds now (for leak checks); the test's own one included.
  ULONG References() const { return references_; }

 private:
  ~FileDropData() = default;
  bool IsDrop(const FORMATETC& format) const;

  std::atomic<ULONG> references_{1};
  std::vector<std::wstring> paths_;
  bool offersDrop_;
};

}  // namespace shellext_test
