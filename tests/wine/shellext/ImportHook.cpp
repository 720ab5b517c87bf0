#include "ImportHook.h"

namespace shellext_test {

namespace {

template <typename T>
T* At(HMODULE module, DWORD offset) {
  return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

void* SwapEntry(IMAGE_THUNK_DATA* entry, void* replacement) {
  DWORD protection = 0;
  if (!VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection)) return nullptr;
  void* earlier = reinterpret_cast<void*>(entry->u1.Function);
  entry->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
  VirtualProtect(entry, sizeof *entry, protection, &protection);
  return earlier;
}

}  // namespace

void* ReplaceImport(HMODULE module, const char* library, const char* function, void* replacement) {
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
  const auto* nt = At<const IMAGE_NT_HEADERS>(module, dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return nullptr;
  for (auto* descriptor = At<IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress);
       descriptor->Name != 0; ++descriptor) {
    if (lstrcmpiA(At<const char>(module, descriptor->Name), library) != 0) continue;
    auto* names = At<IMAGE_THUNK_DATA>(module, descriptor->OriginalFirstThunk != 0
                                                   ? descriptor->OriginalFirstThunk
                                                   : descriptor->FirstThunk);
    auto* addresses = At<IMAGE_THUNK_DATA>(module, descriptor->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName =
          At<const IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
      if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), function) == 0) {
        return SwapEntry(addresses, replacement);
      }
    }
  }
  return nullptr;
}

}  // namespace shellext_test
