// The system's file and page-setup dialogs behind one seam: the program asks through
// SystemDialogs, tests answer in its place.
#pragma once

#include "app/file_dialog.h"
#include "app/page_setup_dialog.h"

namespace nuvra::app {

class SystemDialogs {
  public:
    virtual ~SystemDialogs() = default;
    virtual bool showFileDialog(CFileDialog& dialog, bool fOpen) { return dialog.Show(fOpen); }
    virtual bool showPageSetup(CPageSetupDialog& dialog) { return dialog.Show(); }
};

}  // namespace nuvra::app
