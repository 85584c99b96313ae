// Report program for measuring the viewer: 100,000 rows of six fields of
// mixed kinds, made up quickly and always the same; an argument gives
// another number of rows.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kOwners[] = {"ann", "ben", "cat", "dan", "eve", "fay", "gus"};
const char* const kWords[] = {"cart", "login", "search", "wishlist", "payment", "refund", "catalog", "invoice"};

unsigned int g_state = 12345;

unsigned int Next()
{
    g_state = g_state * 1103515245u + 12345u;
    return (g_state >> 8) & 0xFFFFFF;
}

void PrintKvTime(char* out, unsigned int seed)
{
    sprintf(out, "%02u-%s-%02u.%02u:%02u:%02u", 1 + seed % 28, kMonths[(seed / 28) % 12], 10 + (seed / 336) % 17,
            (seed / 7) % 24, (seed / 11) % 60, (seed / 13) % 60);
}

}

int main(int argc, char** argv)
{
    if (argc > 1 && strcmp(argv[1], "-i") == 0) {
        printf("description: \"Benchmark: 100,000 rows\"\n"
               "id: 901\n"
               "fields: \"Row\"(Integer, sort 1) \"Created\"(kvtime) \"Name\"(string) \"Size\"(Integer) "
               "\"Owner\"(string) \"Changed\"(kvtime)\n");
        return 0;
    }
    // The viewer hands over its argument text with every blank turned into '%'.
    const int rows = argc > 1 ? atoi(argv[1] + strspn(argv[1], "%")) : 100000;
    static char buffer[1 << 20];
    setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    char created[32], changed[32];
    for (int row = 1; row <= rows; ++row) {
        PrintKvTime(created, Next());
        PrintKvTime(changed, Next());
        printf("%d;%s;%s_%u.c;%u;%s;%s\n", row, created, kWords[Next() % 8], Next() % 1000, Next() % 500000,
               kOwners[Next() % 7], changed);
    }
    return 0;
}
