#include <unistd.h>

#include "fetch/fetch_products.h"

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }
