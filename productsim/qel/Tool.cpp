#include "productsim/qel/Tool.h"
#include "productsim/qel/QelErrors.h"
#include "productsim/qel/QelText.h"
#include "productsim/simdata/SimDataSource.h"

STDMETHODIMP CTool::Execute(BSTR command, BSTR* output)
{
    if (output == nullptr)
        return E_POINTER;
    *output = nullptr;
    std::string problem;
    std::shared_ptr<const CSimData> data = CSimDataSource::Current(problem);
    if (data == nullptr)
        return QelError(QEL_E_DATA, IID_IKvTool, problem + ".");
    std::string text = QelNarrow(command);
    HRESULT outcome = QelMarkedOutcome(data->tool, "Execute", IID_IKvTool, "the command " + text);
    if (FAILED(outcome))
        return outcome;
    for (const SimCommand& known : data->commands) {
        if (known.text == text) {
            outcome = QelMarkedOutcome(known.marks, "Execute", IID_IKvTool, "the command " + text);
            if (FAILED(outcome))
                return outcome;
            *output = QelAllocString(known.output);
            return S_OK;
        }
    }
    return QelError(QEL_E_NOTFOUND, IID_IKvTool, "Unknown command: " + text);
}
