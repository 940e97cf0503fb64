#include "ui/printer_setup_dlg.h"

#include "app/wizard_state.h"
#include "core/model_catalog.h"
#include "core/serial_settings.h"
#include "core/settings_page_logic.h"
#include "framework/message_box.h"
#include "framework/win_app.h"
#include "ui/about_dlg.h"
#include "ui/port_select_dlg.h"

CPrinterSetupDlg::CPrinterSetupDlg()
    : CDialog(IDD_PRINTER_SETUP),
      m_icon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_PRINTER))) {}

const CCmdTarget::CommandMap& CPrinterSetupDlg::GetCommandMap() const {
  // Check box 1012 needs no handler: the installation reads its state.
  static const CommandEntry kEntries[] = {
      OnCommand(IDC_SETUP_MODEL, CBN_SELCHANGE, &CPrinterSetupDlg::OnModelChanged),
      OnCommand(IDC_SETUP_PORT, CBN_SELCHANGE, &CPrinterSetupDlg::OnPortChanged),
      OnClicked(IDC_SETUP_BACK, &CPrinterSetupDlg::OnBack),
      OnClicked(IDC_SETUP_NEXT, &CPrinterSetupDlg::OnNext),
      OnClicked(IDC_SETUP_EXIT, &CPrinterSetupDlg::OnCancel),
  };
  static const CommandMap kMap = MakeCommandMap(&CDialog::GetCommandMap(), kEntries);
  return kMap;
}

void CPrinterSetupDlg::DoDataExchange(CDataExchange& dx) {
  DDX_Control(dx, IDC_SETUP_MODEL, m_model);
  DDX_Control(dx, IDC_SETUP_MAKE_DEFAULT, m_makeDefault);
  DDX_Control(dx, IDC_SETUP_PRINTER_NAME, m_printerName);
  DDX_Control(dx, IDC_SETUP_PORT, m_port);
  DDX_Control(dx, IDC_SETUP_SPEED, m_speed);
  DDX_Control(dx, IDC_SETUP_DATA_BITS, m_dataBits);
  DDX_Control(dx, IDC_SETUP_FLOW, m_flow);
  DDX_Control(dx, IDC_SETUP_PARITY, m_parity);
  DDX_Control(dx, IDC_SETUP_STOP_BITS, m_stopBits);
}

BOOL CPrinterSetupDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  if (HMENU menu = GetSystemMenu()) {
    char aboutText[256] = {};
    ::LoadStringA(AfxGetInstanceHandle(), IDS_ABOUT_BOX, aboutText, sizeof aboutText);
    if (aboutText[0] != '\0') {
      ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      ::AppendMenuA(menu, MF_STRING, IDM_ABOUT_BOX, aboutText);
    }
  }
  SetIcon(m_icon, true);
  SetIcon(m_icon, false);

  // The template's own model items are placeholders.
  m_model.ResetContent();
  for (int row = 0; row < kModelCount; ++row) m_model.AddString(ShownModelName(row));
  m_model.SetCurSel(1);
  m_makeDefault.SetCheck(BST_CHECKED);
  m_printerName.SetWindowText(InitialPrinterNameText());

  const SerialSettings defaults;
  m_port.SetCurSel(defaults.port);
  m_speed.SetCurSel(defaults.speed);
  m_dataBits.SetCurSel(defaults.dataBits);
  m_stopBits.SetCurSel(defaults.stopBits);
  m_parity.SetCurSel(defaults.parity);
  m_flow.SetCurSel(defaults.flow);
  EnableLineLists(false);

  g_wizardState.settingsPage = this;
  return TRUE;
}

SettingsPageChoices CPrinterSetupDlg::Choices() const {
  SettingsPageChoices choices;
  choices.modelSelection = m_model.GetCurSel();
  choices.makeDefaultCheck = m_makeDefault.GetCheck();
  choices.serial.port = m_port.GetCurSel();
  choices.serial.speed = m_speed.GetCurSel();
  choices.serial.dataBits = m_dataBits.GetCurSel();
  choices.serial.stopBits = m_stopBits.GetCurSel();
  choices.serial.parity = m_parity.GetCurSel();
  choices.serial.flow = m_flow.GetCurSel();
  return choices;
}

void CPrinterSetupDlg::OnModelChanged() {
  if (const auto name = PrinterNameForModelRow(m_model.GetCurSel())) {
    m_printerName.SetWindowText(*name);
  }
}

void CPrinterSetupDlg::OnPortChanged() { EnableLineLists(LineListsEnabled(m_port.GetCurSel())); }

void CPrinterSetupDlg::EnableLineLists(bool enable) {
  for (CComboBox* list : {&m_speed, &m_dataBits, &m_stopBits, &m_parity, &m_flow}) {
    list->EnableWindow(enable);
  }
}

// Back: to the operating-system page.
void CPrinterSetupDlg::OnBack() { CDialog::OnCancel(); }

// Next: the port page, where the installation runs.
void CPrinterSetupDlg::OnNext() {
  CPortSelectDlg portPage;
  const INT_PTR result = portPage.DoModal();
  switch (AfterPortPageClosed(static_cast<int>(result), g_wizardState.osClass)) {
    case AfterPortPage::StayOpen:
      return;
    case AfterPortPage::EndWizardWithCompletion:
      AfxMessageBox(kInstallCompleteText);
      break;
    case AfterPortPage::EndWizard:
      break;
  }
  OnOK();
}

bool CPrinterSetupDlg::OnSysCommand(UINT id, LPARAM) {
  if ((id & 0xFFF0) != IDM_ABOUT_BOX) return false;
  CAboutDlg about;
  about.DoModal();
  return true;
}

bool CPrinterSetupDlg::OnPaint() {
  if (!IsIconic()) return false;
  // Minimised: the icon, centred.
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(m_hWnd, &paint);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(&client);
  const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(dc, x, y, m_icon);
  ::EndPaint(m_hWnd, &paint);
  return true;
}
