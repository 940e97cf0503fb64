#pragma once

#include <windows.h>

#include <vector>

#include "framework/wnd.h"

class CDialog;

// Handed to DoDataExchange while a dialog opens; DDX_Control binds through it.
struct CDataExchange {
  CDialog* dialog;
};

// A modal dialog built from a dialog template resource.
//
// DoModal shows it owned by the window active at that moment and centred
// over it (or on the screen). While the dialog opens, the framework keeps
// the object in the window's user data, fills the template's lists from its
// dialog-initialisation data, binds the controls (DoDataExchange) and then
// calls OnInitDialog.
//
// Commands go through the class's command table (see CCmdTarget); what no
// table takes goes to the application's table. The base table sends IDOK to
// OnOK and IDCANCEL to OnCancel, so Enter, Esc and the close box keep the
// system's dialog meaning: Esc and the close box give IDCANCEL, Enter clicks
// the focused push button or else gives IDOK.
class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId) : m_templateId(templateId) {}

  // IDOK, IDCANCEL or whatever EndDialog was given; -1 when the dialog could
  // not be created (for example, the template is missing).
  virtual INT_PTR DoModal();

  void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

  // Binds `control` to the dialog's child `id`; DDX_Control calls this.
  void BindControl(int id, CWnd& control);

 protected:
  // Returns TRUE to let the system put the focus on the first tab stop.
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void DoDataExchange(CDataExchange&) {}
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  // Message hooks; each returns false to leave the message to the system.
  virtual bool OnPaint() { return false; }
  virtual bool OnSysCommand(UINT /*id*/, LPARAM /*lParam*/) { return false; }
  // The icon dragged for a minimised window; null for the system's own.
  virtual HICON OnQueryDragIcon() { return nullptr; }

  const CommandMap& GetCommandMap() const override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  BOOL HandleInitDialog();
  void ExecuteDialogInit();
  void CenterOverOwner();
  bool RouteCommand(UINT id, UINT code);

  UINT m_templateId;
  std::vector<CWnd*> m_boundControls;
};

// Binds a control object to the dialog's child window `id` (once, while the
// dialog opens). A template without that id is a broken program: it stops
// with a message naming the id.
void DDX_Control(CDataExchange& dx, int id, CWnd& control);
