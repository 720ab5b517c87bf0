#include "shellext/win32/ContextMenuHandler.h"

#include <algorithm>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "shellext/CommandEffect.h"
#include "shellext/win32/DroppedItems.h"
#include "shellext/win32/EffectRunner.h"
#include "shellext/win32/MenuBuilder.h"
#include "shellext/win32/SettingsBesideModule.h"
#include "shellext/win32/ShellExtModule.h"
#include "shellext/win32/WideText.h"

namespace shellext {

namespace {

// No exception may leave a COM method into Explorer: one that arises (memory running out with
// a huge selection) fails the call instead.
template <typename Call>
HRESULT WithoutExceptions(Call call) {
  try {
    return call();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

HRESULT MenuResult(std::size_t commandsAdded) {
  return MAKE_HRESULT(SEVERITY_SUCCESS, 0, static_cast<USHORT>(commandsAdded));
}

// Verbs are ASCII; an ANSI verb is widened byte by byte, so a byte beyond ASCII matches none.
std::u16string WidenedVerb(const char* verb) {
  std::u16string wide;
  for (; *verb != '\0'; ++verb) wide += static_cast<char16_t>(static_cast<unsigned char>(*verb));
  return wide;
}

// Copies the text with its terminating zero into the caller's buffer of `size` characters,
// cut to fit.
template <typename Char>
HRESULT CopyOut(std::basic_string_view<Char> text, Char* buffer, UINT size) {
  if (buffer == nullptr || size == 0) return E_INVALIDARG;
  const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
  std::copy_n(text.data(), length, buffer);
  buffer[length] = Char(0);
  return S_OK;
}

std::string AnsiOf(const std::u16string& text) {
  const std::wstring wide = ToWindows(text);
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), length,
                      nullptr, nullptr);
  return ansi;
}

}  // namespace

ContextMenuHandler::ContextMenuHandler() { ObjectCreated(); }

ContextMenuHandler::~ContextMenuHandler() { ObjectDestroyed(); }

STDMETHODIMP ContextMenuHandler::QueryInterface(REFIID interfaceId, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IContextMenu)) {
    *object = static_cast<IContextMenu*>(this);
  } else if (IsEqualIID(interfaceId, IID_IShellExtInit)) {
    *object = static_cast<IShellExtInit*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) ContextMenuHandler::AddRef() { return ++references_; }

STDMETHODIMP_(ULONG) ContextMenuHandler::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP ContextMenuHandler::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) {
  return WithoutExceptions([&] {
    plan_.reset();
    selection_ = Selection();
    if (data == nullptr) return E_INVALIDARG;
    std::optional<Selection> selection = SelectionOf(*data);
    if (!selection) return E_INVALIDARG;
    selection_ = std::move(*selection);
    return S_OK;
  });
}

void ContextMenuHandler::Plan() {
  settings_ = ParseExplorerSettings(ReadSettingsBesideModule());
  plan_ = PlanContextMenu(settings_, selection_, codePage_);
}

STDMETHODIMP ContextMenuHandler::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                                  UINT flags) {
  if ((flags & CMF_DEFAULTONLY) != 0) return MenuResult(0);
  return WithoutExceptions([&] {
    Plan();
    const std::size_t count = plan_->commands.size();
    if (count == 0 || firstId > lastId || lastId - firstId < count - 1) {
      plan_ = ContextMenuPlan();  // no room for our commands: none of them is offered
      return MenuResult(0);
    }
    if (!InsertMenuLines(menu, index, plan_->lines, firstId)) {
      plan_ = ContextMenuPlan();
      return E_FAIL;
    }
    return MenuResult(count);
  });
}

std::optional<std::size_t> ContextMenuHandler::ChosenCommand(
    const CMINVOKECOMMANDINFO& info) const {
  const auto& extended = reinterpret_cast<const CMINVOKECOMMANDINFOEX&>(info);
  const bool unicode = info.cbSize >= sizeof(CMINVOKECOMMANDINFOEX) &&
                       (info.fMask & CMIC_MASK_UNICODE) != 0 && extended.lpVerbW != nullptr;
  std::u16string verb;
  if (unicode && !IS_INTRESOURCE(extended.lpVerbW)) {
    verb = FromWindows(extended.lpVerbW);
  } else if (IS_INTRESOURCE(info.lpVerb)) {
    const std::size_t offset = LOWORD(reinterpret_cast<UINT_PTR>(info.lpVerb));
    return offset < plan_->commands.size() ? std::optional<std::size_t>(offset) : std::nullopt;
  } else {
    verb = WidenedVerb(info.lpVerb);
  }
  return plan_->FindVerb(verb);
}

STDMETHODIMP ContextMenuHandler::InvokeCommand(CMINVOKECOMMANDINFO* info) {
  if (info == nullptr || info->cbSize < sizeof(CMINVOKECOMMANDINFO)) return E_INVALIDARG;
  return WithoutExceptions([&] {
    // A verb may be invoked without the menu having been built first.
    if (!plan_) Plan();
    const std::optional<std::size_t> offset = ChosenCommand(*info);
    if (!offset) return E_INVALIDARG;
    const CommandEffect effect = PlanCommandEffect(plan_->commands[*offset], settings_, selection_,
                                                   SystemProgramPaths(), codePage_);
    return RunEffect(effect, info->hwnd, (info->fMask & CMIC_MASK_FLAG_NO_UI) == 0);
  });
}

STDMETHODIMP ContextMenuHandler::GetCommandString(UINT_PTR offset, UINT type, UINT*, CHAR* name,
                                                  UINT size) {
  const bool known = plan_ && offset < plan_->commands.size();
  if (type == GCS_VALIDATEA || type == GCS_VALIDATEW) return known ? S_OK : S_FALSE;
  if (!known) return E_INVALIDARG;
  const ShellCommand& command = plan_->commands[offset];
  auto* wideName = reinterpret_cast<char16_t*>(name);
  return WithoutExceptions([&] {
    switch (type) {
      case GCS_VERBA:
        return CopyOut<char>(command.verb, name, size);
      case GCS_VERBW:
        return CopyOut<char16_t>(std::u16string(command.verb.begin(), command.verb.end()), wideName,
                                 size);
      case GCS_HELPTEXTA:
        return CopyOut<char>(AnsiOf(command.helpText), name, size);
      case GCS_HELPTEXTW:
        return CopyOut<char16_t>(command.helpText, wideName, size);
      default:
        return E_INVALIDARG;
    }
  });
}

}  // namespace shellext
