#pragma once

#include "WinApp.h"

// The program: runs the settings dialog once, then ends.
class CConfigApp : public CWinApp {
public:
    BOOL InitInstance() override;

protected:
    const MessageMap* GetMessageMap() const override;

private:
    // F1: opens the help page beside the executable with the program registered for it.
    void OnHelpCommand();

    static const MessageMapEntry s_messageEntries[];
    static const MessageMap s_messageMap;
};
