#pragma once
// The performance report as a list of operations, built once from the model and replayed by a
// sink: the text file (character columns), the listing picture or the printer (font columns).
// ReportWriter appends the operations and the report's line styles made of them.

#include <initializer_list>
#include <string>
#include <vector>

namespace kestrelon {

struct ReportOp {
  enum Kind {
    Size,       // text size in points (value)
    Bold,       // on when value is not 0
    Underline,  // on when value is not 0
    Text,       // text at the current position
    Tab,        // move to column value (from 1); past it, to that column of the next line
    Number,     // a whole number with the blank of its sign and one blank behind (value)
    LineEnd,
  };
  Kind kind = LineEnd;
  int value = 0;
  std::string text;

  bool operator==(const ReportOp&) const = default;
};

using ReportOps = std::vector<ReportOp>;

// Where the report goes: the sinks differ in their title name, text sizes and closing lines.
enum class ReportSink { Listing, Printer, File };

// Base and title text sizes in points.
struct ReportSizes {
  int base = 8;
  int title = 14;
};

class ReportWriter {
 public:
  ReportWriter(ReportSink sink, ReportSizes sizes) : sink_(sink), sizes_(sizes) {}

  ReportSink sink() const { return sink_; }
  const ReportOps& ops() const { return ops_; }
  ReportOps take() { return std::move(ops_); }

  void Size(int points) { Add(ReportOp::Size, points); }
  void Bold(bool on) { Add(ReportOp::Bold, on ? 1 : 0); }
  void Underline(bool on) { Add(ReportOp::Underline, on ? 1 : 0); }
  void Text(std::string text) { ops_.push_back({ReportOp::Text, 0, std::move(text)}); }
  void Tab(int column) { Add(ReportOp::Tab, column); }
  void Number(int value) { Add(ReportOp::Number, value); }
  void LineEnd() { Add(ReportOp::LineEnd, 0); }

  // A line holding one blank.
  void BlankLine();
  // A line end alone.
  void EmptyLine();
  // Title size, bold and underlined; back to the base size, plain, afterwards.
  void TitleLine(const std::string& text);
  // Bold and underlined, then a blank line; bold stays on.
  void SectionHeading(const std::string& text);
  // Bold label, plain value from the column.
  void LabelledValue(const std::string& label, std::initializer_list<std::string> values,
                     int column = 32);
  // The same with the column move made while the label is still bold.
  void LabelledValueTab(const std::string& label, std::initializer_list<std::string> values,
                        int column = 32);
  void PlainLine(const std::string& text);
  // Bold text and a line end; bold stays on.
  void BoldLine(const std::string& text);

 private:
  void Add(ReportOp::Kind kind, int value) { ops_.push_back({kind, value, {}}); }
  void Values(std::initializer_list<std::string> values);

  ReportSink sink_;
  ReportSizes sizes_;
  ReportOps ops_;
};

}  // namespace kestrelon
