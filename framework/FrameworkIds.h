#pragma once

// Identifiers the framework reserves; shared by code and resource scripts, so plain defines.
#define ID_HELP 57670                   // the help command, sent for F1
#define AFX_IDS_APP_TITLE 57344         // optional string resource naming the application
#define AFX_IDP_PARSE_STRING_SIZE 61716 // "Please enter no more than %1 characters."
