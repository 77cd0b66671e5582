#pragma once
// Internal to the PDF engine layer: one MuPDF call made safe. MuPDF reports
// failures with setjmp/longjmp (fz_try/fz_catch); here they become a fallback
// value. `call` must only call MuPDF's C functions and own nothing with a
// destructor, so a jump out of it skips no C++ clean-up.

extern "C" {
#include <mupdf/fitz.h>
}

namespace quillmoor {

template <typename T, typename Call>
T MupdfCall(fz_context* ctx, T fallback, Call&& call) {
  T result = fallback;
  fz_var(result);
  fz_try(ctx) { result = call(); }
  fz_catch(ctx) { result = fallback; }
  return result;
}

}  // namespace quillmoor
