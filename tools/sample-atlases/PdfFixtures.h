#pragma once
// The PDF files the engine's tests need beside the sample atlases.

#include <string>

namespace quillmoor::samples {

// Writes into `dir` (which must exist):
//   no-outline.pdf     3 A4 pages, no outline
//   bad-outline.pdf    3 pages; outline entries aimed at page 2, page 0, past
//                      the end, nowhere, a missing named destination, an
//                      object that is not a page, and page 3
//   outline-loop.pdf   2 pages; an outline whose links lead back to itself
//   huge-page.pdf      1 page of 5000 x 5000 mm
//   many-pages.pdf     kManyPages tiny pages
//   to-encrypt.pdf     2 A4 pages, for the build to encrypt into encrypted.pdf
bool WritePdfFixtures(const std::string& dir);

inline constexpr int kManyPages = 3000;

}  // namespace quillmoor::samples
