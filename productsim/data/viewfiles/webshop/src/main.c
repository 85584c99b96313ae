/* The web shop's entry point. */
#include "cart/cart.h"

int main(void)
{
    /* TODO: read the configuration first */
    return cart_open() ? 0 : 1;
}
