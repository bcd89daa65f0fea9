#include "ConfigApp.h"

// The one application object; the entry point finds it through AfxGetApp.
CConfigApp theApp;
