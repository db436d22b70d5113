// How fast the assemble command cuts the twelve sections out of about
// 100 MB of products (three products of thousands of stations each), files
// read and the bulletin written.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "assemble/assemble.h"
#include "assemble/test_products.h"
#include "tests/temp_dir.h"

namespace {

constexpr std::size_t kProductSize = (std::size_t{100} << 20) / 3;

struct LargeProducts {
  LargeProducts() {
    size += WriteLargeProduct(dir.Path("nam.txt"), "NAM", "1200", kProductSize);
    size += WriteLargeProduct(dir.Path("gfs.txt"), "GFS", "1200", kProductSize);
    size +=
        WriteLargeProduct(dir.Path("gfsx.txt"), "GFSX", "0000", kProductSize);
  }

  TempDir dir;
  std::size_t size = 0;
};

void BM_AssembleFromLargeProducts(benchmark::State& state) {
  static const LargeProducts products;
  const AssembleRequest request{
      {products.dir.Path("gfsx.txt"), products.dir.Path("nam.txt"),
       products.dir.Path("gfs.txt")},
      products.dir.Path("today.txt"),
      {}};
  for (auto _ : state) {
    std::ostringstream out, err;
    if (RunAssemble(request, out, err) != 0) {
      state.SkipWithError(err.str().c_str());
      return;
    }
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(products.size));
}
BENCHMARK(BM_AssembleFromLargeProducts)->Unit(benchmark::kMillisecond);

}  // namespace
