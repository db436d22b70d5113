#include <io.h>
#include <stdio.h>

#include "fetch/fetch_products.h"

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }
