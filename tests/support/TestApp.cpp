#include "TestApp.h"

CConfigApp& TestApp() {
    static CConfigApp app;
    static const bool initialised = (app.InitApplication(GetModuleHandleA(nullptr)), true);
    (void)initialised;
    return app;
}
