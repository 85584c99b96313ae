/* Command services: the directory listing. */
#pragma once
#ifdef LIBSELVOCMD_BUILD
#define SELVOCMD_API __declspec(dllexport)
#else
#define SELVOCMD_API __declspec(dllimport)
#endif

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A word of the argument block and of a record: it holds an address, so it
   is pointer-sized (32 bits in the product's own 32-bit build). */
typedef intptr_t cmd_word_t;

/* One entry of a listing: 64 words (256 bytes in a 32-bit process). */
struct cmd_ls_record {
    const char* name;       /* word 0 */
    cmd_word_t kind;        /* word 1: 2 an element, 1 a hidden (view-private) entry */
    cmd_word_t size_low;    /* word 2 */
    cmd_word_t size_high;   /* word 3 */
    cmd_word_t reserved[9]; /* words 4 to 12 */
    cmd_word_t type;        /* word 13: 2 a directory, 1 a file */
    cmd_word_t unused[50];
};

/* The argument block: 13 words. Word 1 is the storage area the records are
   allocated from; word 2 the address of the variable that holds the path
   buffer's address. */
#define CMD_ARGS_WORDS 13

/* Lists the directory `path` (with or without a trailing backslash). The
   records and their names live in the area of the argument block until it is
   freed. On failure `message` (1024 bytes) holds the reason and *length its
   length. */
SELVOCMD_API int cmd_ls_get_list(cmd_word_t* arguments, const char* path, char* message, int* length,
                                 struct cmd_ls_record** records, int* count);

#ifdef __cplusplus
}
#endif
