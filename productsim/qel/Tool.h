// The command tool: runs a command text and gives its output. The commands
// it knows, and their output, are those of the data file.
#pragma once
#include "productsim/qel/DualObject.h"
#include "Qel.h"

class CTool : public CDualObject<IKvTool> {
public:
    STDMETHODIMP Execute(BSTR command, BSTR* output) override;
};
