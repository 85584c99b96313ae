// Resource ids of Sorvane; a localized resource library uses the same ones.
#pragma once

#define IDB_SINGLETYPECHOOSER 102
#define IDR_SINGLETYPECHOOSER 103
#define IDD_SINGLETYPECHOOSER 104
#define IDS_PROMPT_FORMAT 107

#define IDC_OLPEX_COMBO 201
#define IDC_NAME_COMBO 202
#define IDC_NAME_PROMPT 203
