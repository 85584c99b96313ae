// The builder's current report: the chosen script's record with its parsed
// parameters and fields. The application owns one and replaces it on every
// report selection.
#pragma once
#include "reportmodel/Fields.h"
#include "reportmodel/Parameters.h"
#include "reportmodel/ScriptFileInfo.h"

class CReport {
public:
    CReport() = default;
    virtual ~CReport() = default;
    CReport(const CReport&) = delete;
    CReport& operator=(const CReport&) = delete;

    CScriptFileInfo& GetScript() { return m_script; }
    const CScriptFileInfo& GetScript() const { return m_script; }
    CParameters& GetParameters() { return m_parameters; }
    const CParameters& GetParameters() const { return m_parameters; }
    CFields& GetFields() { return m_fields; }
    const CFields& GetFields() const { return m_fields; }

    // Some parameter holds a value.
    bool IsAnyModified() const { return m_parameters.IsAnyModified(); }
    // Every parameter holds a value; true without parameters.
    bool AreAllSet() const;
    void ResetAll();

    // The viewer's command line of back-quote switches for this report. Returns
    // 0, or the string id of the refusal's text when a piece holds a back-quote
    // or the viewer would not read the switches as written.
    UINT GetViewerCommandLine(CString& commandLine) const;

private:
    CScriptFileInfo m_script;
    CParameters m_parameters;
    CFields m_fields;
};
