#include "plat/pdf_page.h"

#include <zlib.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "base/version.h"
#include "files/text_encoding.h"
#include "ports/message_box.h"

namespace tw {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;

// Objects 1-4; each page adds its content stream and then itself.
constexpr size_t kCatalog = 1, kPages = 2, kFont = 3, kInfo = 4;

// Helvetica's advances in thousandths of the size, for the Windows-1252
// bytes 0x20-0xFF by the glyph WinAnsi encodes there (its standard font
// metrics); 0 where the code page has no character.
constexpr unsigned short kHelveticaWidths[224] = {
    278,  278, 355, 556, 556, 889,  667,  191,  333, 333,  389, 584, 278,  333, 278, 278,  // 20
    556,  556, 556, 556, 556, 556,  556,  556,  556, 556,  278, 278, 584,  584, 584, 556,  // 30
    1015, 667, 667, 722, 722, 667,  611,  778,  722, 278,  500, 667, 556,  833, 722, 778,  // 40
    667,  778, 722, 667, 611, 722,  667,  944,  667, 667,  611, 278, 278,  278, 469, 556,  // 50
    333,  556, 556, 500, 556, 556,  278,  556,  556, 222,  222, 500, 222,  833, 556, 556,  // 60
    556,  556, 333, 500, 278, 556,  500,  722,  500, 500,  500, 334, 260,  334, 584, 0,    // 70
    556,  0,   222, 556, 333, 1000, 556,  556,  333, 1000, 667, 333, 1000, 0,   611, 0,    // 80
    0,    222, 222, 333, 333, 350,  556,  1000, 333, 1000, 500, 333, 944,  0,   500, 667,  // 90
    278,  333, 556, 556, 556, 556,  260,  556,  333, 737,  370, 556, 584,  333, 737, 333,  // A0
    400,  584, 333, 333, 333, 578,  537,  278,  333, 333,  365, 556, 834,  834, 834, 611,  // B0
    667,  667, 667, 667, 667, 667,  1000, 722,  667, 667,  667, 667, 278,  278, 278, 278,  // C0
    722,  722, 778, 778, 778, 778,  778,  584,  778, 722,  722, 722, 722,  667, 667, 611,  // D0
    556,  556, 556, 556, 556, 556,  889,  500,  556, 556,  556, 556, 278,  278, 278, 278,  // E0
    556,  556, 556, 556, 556, 556,  556,  584,  611, 556,  556, 556, 556,  500, 556, 500,  // F0
};

double Advance(unsigned char byte) {
  return byte < 0x20 ? 0 : kHelveticaWidths[byte - 0x20];
}

// None when zlib could not have the memory it needs: the stream then goes
// in as it is.
std::optional<std::string> Deflated(const std::string& text) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::string out(size, '\0');
  // The fastest level: a table page is thousands of near-identical numbers,
  // which it packs almost as well as the default does, in a third of the time.
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()),
                Z_BEST_SPEED) != Z_OK)
    return std::nullopt;
  out.resize(size);
  return out;
}

// Hundredths of a point by default: far finer than a printer's dot.
void AppendNumber(std::string& out, double v, double steps = 100) {
  char buffer[32];
  const double rounded = std::round(v * steps) / steps;
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, rounded == 0 ? 0.0 : rounded).ptr;
  out.append(buffer, end);
  out += ' ';
}

void AppendEscaped(std::string& out, std::string_view text) {
  out += '(';
  for (char c : text) {
    if (c == '(' || c == ')' || c == '\\')
      out += '\\';
    out += c;
  }
  out += ')';
}

// A title in any script: UTF-16BE with its byte-order mark, in hex.
std::string TextString(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "<FEFF";
  for (char16_t unit : Utf8ToUtf16(utf8))
    for (int shift : {12, 8, 4, 0})
      out += kHex[(unit >> shift) & 0xF];
  return out + '>';
}

}  // namespace

PdfPage::PdfPage(PageSize size)
    : width_pt_(size.width * kPointsPerMm),
      height_pt_(size.height * kPointsPerMm),
      file_("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"),
      offsets_(kInfo, 0) {
  offsets_[kFont - 1] = file_.size();
  file_ +=
      "3 0 obj\n<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding "
      ">>\nendobj\n";
}

void PdfPage::Point(PagePoint p) {
  AppendNumber(content_, p.x * kPointsPerMm);
  AppendNumber(content_, height_pt_ - p.y * kPointsPerMm);
}

void PdfPage::EndText() {
  if (in_text_)
    content_ += "ET\n";
  in_text_ = false;
}

void PdfPage::Stroke(PagePoint a, PagePoint b, double width_mm, bool dashed) {
  EndText();
  if (width_mm != line_width_) {
    AppendNumber(content_, width_mm * kPointsPerMm);
    content_ += "w\n";
    line_width_ = width_mm;
  }
  if (dashed != dashed_) {
    content_ += dashed ? "[3 3] 0 d\n" : "[] 0 d\n";
    dashed_ = dashed;
  }
  Point(a);
  content_ += "m ";
  Point(b);
  content_ += "l S\n";
}

void PdfPage::Line(PagePoint a, PagePoint b, double width_mm) {
  Stroke(a, b, width_mm, false);
}

void PdfPage::DashedLine(PagePoint a, PagePoint b, double width_mm) {
  Stroke(a, b, width_mm, true);
}

double PdfPage::TextWidth(double size_pt, std::string_view text) {
  double thousandths = 0;
  for (char c : text)
    thousandths += Advance(static_cast<unsigned char>(c));
  return thousandths * size_pt / 1000 / kPointsPerMm;
}

void PdfPage::Text(PagePoint at, double size_pt, double angle_degrees, TextAlign align,
                   std::string_view text) {
  if (!in_text_)
    content_ += "BT\n";
  in_text_ = true;
  if (size_pt != font_size_) {
    content_ += "/F1 ";
    AppendNumber(content_, size_pt);
    content_ += "Tf\n";
    font_size_ = size_pt;
  }
  const double shift = align == TextAlign::Left     ? 0
                       : align == TextAlign::Centre ? TextWidth(size_pt, text) / 2
                                                    : TextWidth(size_pt, text);
  const double rad = angle_degrees * M_PI / 180;
  const double c = std::cos(rad), s = std::sin(rad);
  // Along the baseline, which turns counter-clockwise: up the page is -y.
  const PagePoint start{at.x - shift * c, at.y + shift * s};
  if (angle_degrees == 0) {
    content_ += "1 0 0 1 ";
  } else {
    for (double v : {c, s, -s, c})
      AppendNumber(content_, v, 1e5);
  }
  Point(start);
  content_ += "Tm ";
  AppendEscaped(content_, text);
  content_ += " Tj\n";
}

void PdfPage::EndPage() {
  EndText();
  const std::optional<std::string> packed = Deflated(content_);
  const std::string& stream = packed ? *packed : content_;
  const size_t contents = offsets_.size() + 1;
  offsets_.push_back(file_.size());
  file_ += std::to_string(contents) + " 0 obj\n<< /Length " + std::to_string(stream.size()) +
           (packed ? " /Filter /FlateDecode" : "") + " >>\nstream\n";
  file_ += stream;
  file_ += "\nendstream\nendobj\n";
  content_.clear();
  const size_t page = offsets_.size() + 1;
  offsets_.push_back(file_.size());
  std::string box;
  AppendNumber(box, width_pt_);
  AppendNumber(box, height_pt_);
  file_ += std::to_string(page) + " 0 obj\n<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + box +
           "] /Resources << /Font << /F1 3 0 R >> >> /Contents " + std::to_string(contents) +
           " 0 R >>\nendobj\n";
  page_ids_.push_back(page);
  font_size_ = 0;
  line_width_ = -1;
  dashed_ = false;
}

void PdfPage::NewPage() {
  EndPage();
}

std::string PdfPage::Finish(std::string_view title_utf8) {
  EndPage();
  auto object = [this](size_t id, const std::string& body) {
    offsets_[id - 1] = file_.size();
    file_ += std::to_string(id) + " 0 obj\n" + body + "\nendobj\n";
  };
  object(kCatalog, "<< /Type /Catalog /Pages 2 0 R >>");
  std::string kids;
  for (size_t id : page_ids_)
    kids += std::to_string(id) + " 0 R ";
  object(kPages,
         "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(page_ids_.size()) + " >>");
  object(kInfo, "<< /Title " + TextString(title_utf8) + " /Creator (" + kProgramTitle +
                    ") /Producer (" + kProgramTitle + ' ' + kVersionText + ") >>");
  const size_t xref = file_.size();
  file_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
  for (size_t offset : offsets_) {
    char line[21];
    std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
    file_ += line;
  }
  file_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) +
           " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return std::move(file_);
}

Result<std::string> PlatPdfBytes(const EntryList& entries, const ProgramState& state,
                                 const PlatHeading& heading) {
  const PageSize size = PlatPaperOf(state.UnitAbbrev);
  PdfPage page(size);
  const Status laid = LayOutPlat(entries, state, heading, size, page);
  if (!laid)
    return Error{laid.error()};
  return page.Finish(heading.title);
}

}  // namespace tw
