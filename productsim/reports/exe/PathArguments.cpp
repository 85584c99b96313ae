// Report program: the path arguments it receives, as rows.
#include "productsim/reports/exe/ArgumentRows.h"

int main(int argc, char** argv)
{
    return PrintArgumentRows(argc, argv,
                             "description: \"Path arguments\"\n"
                             "id: 401\n"
                             "parameters: LOOKIN POLPEX POLPEXS\n");
}
