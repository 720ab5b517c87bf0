#include "platform/memory/MemoryApplication.h"

namespace platform::memory {

void MemoryApplication::CreateForm(Form& form) {
  createdForms.push_back(&form);
  form.SetHandle(nextHandle_);
  nextHandle_ += 0x10;
}

void MemoryApplication::Run(Form& mainForm) {
  runForms.push_back(mainForm.Name());
  const int terminatesBefore = terminateCount;
  Guarded([&] { mainForm.Show(); });
  if (userSession) Guarded(userSession);
  if (losesActivation && terminateCount == terminatesBefore && OnDeactivate) {
    Guarded(OnDeactivate);
  }
  if (mainForm.Shown()) Guarded([&] { mainForm.Close(); });
}

void MemoryApplication::ShowModal(Form& dialog) {
  modalForms.push_back(dialog.Name());
  dialog.Show();
  if (dialogSession) dialogSession(dialog);
  if (dialog.Shown()) dialog.Close();
}

Size MemoryApplication::WindowSize(const Form& form) const {
  if (form.Style() == FormStyle::Page || form.Style() == FormStyle::Popup) {
    return form.ClientSize();
  }
  return {form.ClientSize().width + frameExtra.width,
          form.ClientSize().height + frameExtra.height};
}

}  // namespace platform::memory
