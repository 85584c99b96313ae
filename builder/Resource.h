// Resource ids of Maldrin, the report builder. The framework's own ids are in
// afx/FrameworkIds.h, the report model's strings in reportmodel/ReportModelStrings.h.
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_SCRIPT_TREE 101
#define IDR_MAINFRAME 128
#define IDD_SCRIPT_LIST 129
#define IDD_PARAMETER_LIST 130
#define IDI_DOCUMENT 129
#define IDI_REPORT 134
#define IDD_INPUT_DATE_TIME 138
#define IDD_REPORTS_CONFIGURATION 141
#define IDD_INPUT_TEXT 143
#define IDD_PATH_CHOOSER 186
#define IDD_TYPE_CHOOSER 187

#define IDC_SCRIPT_TREE 1000
#define IDC_SCRIPT_LIST 1001
#define IDC_PARAMETER_LIST 1001
#define IDC_REPORTS_FOLDER 1008
#define IDC_BROWSE 1009
#define IDC_VERSION 1010
#define IDC_PATH_CHOOSER 1005
#define IDC_TYPE_CHOOSER 1007
#define IDC_VALUE 1038
#define IDC_VALUE_LABEL 1062
#define IDC_DATE 1067
#define IDC_TIME 1068

#define ID_RUN_REPORT 32771
#define ID_SET_SCRIPTS_LOCATION 32773
#define ID_HELP_CONTENTS 32775
#define ID_EXTENDED_HELP 32776
