#include <cstdlib>

#include "products/archive.h"

std::string DataFolder() {
  const char* data = std::getenv("LOCALAPPDATA");
  return data && *data ? data : "";
}
