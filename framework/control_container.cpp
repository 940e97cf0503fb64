#include "framework/control_container.h"

#include <windows.h>
#include <commctrl.h>

void AfxEnableControlContainer() {
  INITCOMMONCONTROLSEX classes = {};
  classes.dwSize = sizeof classes;
  classes.dwICC = ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES;
  ::InitCommonControlsEx(&classes);
}
