#pragma once

#include "ConfigSettings.h"
#include "DataExchange.h"
#include "Dialog.h"

// The settings dialog: shows the add-in's settings loaded from their stores and writes them back on OK.
class CConfigDlg : public CDialog {
public:
    explicit CConfigDlg(CWnd* parent = nullptr);

    CEdit m_editBgColor;
    CEdit m_editMacroFile;
    CEdit m_editCustomKeywords;
    CEdit m_editMsdnCollection;
    CEdit m_editSettingsFile;
    ConfigSettings m_settings;
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMap* GetMessageMap() const override;

private:
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBrowseSettingsFile();
    void OnBrowseMsdnCollection();
    void OnAutoDetectMsdn();
    void OnBrowseCustomKeywords();
    void OnBrowseMacroFile();
    void OnChooseBgColor();
    void Browse(UINT button);

    static const MessageMapEntry s_messageEntries[];
    static const MessageMap s_messageMap;
};
