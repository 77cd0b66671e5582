#pragma once
// The reference for the page-turn benchmark: MuPDF rendering a page straight
// to a pixmap, with nothing of Quillmoor around it.

#include <memory>
#include <string>

namespace quillmoor::bench {

class RawMupdfRenderer {
 public:
  explicit RawMupdfRenderer(const std::string& path);
  ~RawMupdfRenderer();
  RawMupdfRenderer(const RawMupdfRenderer&) = delete;
  RawMupdfRenderer& operator=(const RawMupdfRenderer&) = delete;

  bool loaded() const;
  // Renders page `page` (1-based) at `dpi`; false when MuPDF fails.
  bool render(int page, double dpi);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace quillmoor::bench
