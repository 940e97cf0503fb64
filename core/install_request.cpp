#include "core/install_request.h"

InstallRequest BuildInstallRequest(const SettingsPageChoices& choices,
                                   const std::string& portName, bool wow64) {
  InstallRequest request;
  request.target = wow64 ? DriverEnvironment::X64 : DriverEnvironment::X86;
  request.model = choices.modelSelection;
  request.portName = portName;
  request.makeDefault = choices.makeDefaultCheck == 1;
  request.serial = choices.serial;
  return request;
}
