// Report program: the text and time arguments it receives, as rows.
#include "productsim/reports/exe/ArgumentRows.h"

int main(int argc, char** argv)
{
    return PrintArgumentRows(argc, argv,
                             "description: \"Text arguments (program)\"\n"
                             "id: 404\n"
                             "parameters: STRING KVTIME\n");
}
