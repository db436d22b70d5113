#ifndef ORVANNE_FUZZ_FUZZ_TEMP_DIR_H_
#define ORVANNE_FUZZ_FUZZ_TEMP_DIR_H_

#include <cstddef>
#include <cstdint>
#include <string>

// A fresh folder under $TMPDIR (or /tmp) for one input, removed with all it
// holds when the object goes. The readers take bulletins by name, and the
// runs write their reports next to the bulletin, so both stay in here.
class FuzzTempDir {
 public:
  FuzzTempDir();
  ~FuzzTempDir();
  FuzzTempDir(const FuzzTempDir&) = delete;
  FuzzTempDir& operator=(const FuzzTempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string Path(const std::string& name) const { return path_ + "/" + name; }

  // Writes `size` bytes to `name` in the folder, as they are; gives its path.
  std::string Write(const std::string& name, const std::uint8_t* data,
                    std::size_t size) const;

 private:
  std::string path_;
};

#endif  // ORVANNE_FUZZ_FUZZ_TEMP_DIR_H_
