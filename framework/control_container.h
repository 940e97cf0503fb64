#pragma once

// Makes the control classes the templates use (list view, progress bar,
// trackbar) known before any dialog is created. The program calls it once at
// start-up.
void AfxEnableControlContainer();
