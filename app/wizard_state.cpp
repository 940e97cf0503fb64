#include "app/wizard_state.h"

WizardState g_wizardState;
