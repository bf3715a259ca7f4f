#pragma once

#include "platform/runtime/about_box.h"
#include "platform/win32/handles.h"
#include "platform/win32/pictures.h"

namespace platform::win32 {

// The shell's own About box, owned by the form's window and modal to it. The
// shell's library is loaded at the first box.
class ShellAboutBox final : public AboutBox {
  public:
    explicit ShellAboutBox(const Pictures& pictures) : pictures_(&pictures) {}

    void show(Form& owner, const std::string& title, const std::string& text,
              const Picture& icon) override;

  private:
    const Pictures* pictures_;
    OwnedLibrary shell_;
};

}  // namespace platform::win32
