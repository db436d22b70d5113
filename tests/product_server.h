#ifndef ORVANNE_TESTS_PRODUCT_SERVER_H_
#define ORVANNE_TESTS_PRODUCT_SERVER_H_

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "tests/temp_dir.h"

// The stand-in product service (tests/product_server.py) on 127.0.0.1 at a
// free port, serving tests/products/, started for a test and stopped when
// the object goes. Throws when it cannot start.
struct ProductServer {
  // `faults` as "ID=MODE" (see the script); `slowSeconds` for "slow".
  explicit ProductServer(const std::vector<std::string>& faults = {},
                         double slowSeconds = 3);
  ~ProductServer();
  ProductServer(const ProductServer&) = delete;
  ProductServer& operator=(const ProductServer&) = delete;

  // The address to give as --source.
  std::string Source() const;
  // Each request so far, "PATH?QUERY\tUSER-AGENT", in order.
  std::vector<std::string> Requests() const;
  // The requests so far for the id `id`.
  int RequestsFor(std::string_view id) const;

  TempDir dir;
  FILE* pipe = nullptr;
  int port = 0;
  int pid = 0;
};

// The stand-in's copy of the product `id`, as the service sends it.
std::string ServedProduct(std::string_view id);

#endif  // ORVANNE_TESTS_PRODUCT_SERVER_H_
