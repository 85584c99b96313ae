/* The shopping cart. */
int cart_open(void);
int cart_add(const char* item, int count);
