#pragma once

#include "ConfigApp.h"

// The program's application object, as the test executable's one instance, initialised as the entry point
// would do it. Its name, and so every message box caption, is the test executable's file title.
CConfigApp& TestApp();
