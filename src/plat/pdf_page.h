// The plat as a PDF file, written directly: vector lines and text in the
// standard Helvetica with the Windows-1252 (WinAnsi) encoding the program's
// texts are held in, one compressed content stream a page. A plat of
// hundreds of thousands of lines has tables of millions of texts, each
// written here as one short string operation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "boundary/entry_list.h"
#include "boundary/program_state.h"
#include "plat/plat_layout.h"
#include "ports/page.h"

namespace tw {

class PdfPage : public Page {
 public:
  explicit PdfPage(PageSize size);

  void Line(PagePoint a, PagePoint b, double width_mm) override;
  void DashedLine(PagePoint a, PagePoint b, double width_mm) override;
  void Text(PagePoint at, double size_pt, double angle_degrees, TextAlign align,
            std::string_view text) override;
  double TextWidth(double size_pt, std::string_view text) override;
  void NewPage() override;

  // The whole file, the last page ended; `title_utf8` is the document's
  // title, in any script.
  std::string Finish(std::string_view title_utf8);

 private:
  void Stroke(PagePoint a, PagePoint b, double width_mm, bool dashed);
  void EndText();
  void EndPage();
  void Point(PagePoint p);

  double width_pt_, height_pt_;
  std::string file_;              // the objects written so far
  std::vector<size_t> offsets_;   // of object i + 1 in file_; 0 until written
  std::vector<size_t> page_ids_;  // the page objects
  std::string content_;           // of the page being drawn
  bool in_text_ = false;
  double font_size_ = 0;    // within the page; 0 before its first text
  double line_width_ = -1;  // likewise
  bool dashed_ = false;
};

// The plat as PDF bytes, on A4 for "m." and US Letter otherwise.
Result<std::string> PlatPdfBytes(const EntryList& entries, const ProgramState& state,
                                 const PlatHeading& heading);

}  // namespace tw
