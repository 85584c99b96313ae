/* The shopping cart: items and their counts. */
#include "cart.h"

static int g_items;

int cart_open(void)
{
    g_items = 0;
    return 1;
}

int cart_add(const char* item, int count)
{
    /* TODO: keep the item's name */
    (void)item;
    g_items += count;
    return g_items;
}
