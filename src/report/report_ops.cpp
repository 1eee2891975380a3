#include "report/report_ops.h"

namespace kestrelon {

void ReportWriter::BlankLine() {
  Text(" ");
  LineEnd();
}

void ReportWriter::EmptyLine() { LineEnd(); }

void ReportWriter::TitleLine(const std::string& text) {
  Size(sizes_.title);
  Bold(true);
  Underline(true);
  Text(text);
  LineEnd();
  Size(sizes_.base);
  Bold(false);
  Underline(false);
}

void ReportWriter::SectionHeading(const std::string& text) {
  Bold(true);
  Underline(true);
  Text(text);
  LineEnd();
  Underline(false);
  BlankLine();
}

void ReportWriter::Values(std::initializer_list<std::string> values) {
  for (const std::string& value : values) Text(value);
  LineEnd();
}

void ReportWriter::LabelledValue(const std::string& label,
                                 std::initializer_list<std::string> values, int column) {
  Bold(true);
  Text(label);
  Bold(false);
  Tab(column);
  Values(values);
}

void ReportWriter::LabelledValueTab(const std::string& label,
                                    std::initializer_list<std::string> values, int column) {
  Bold(true);
  Text(label);
  Tab(column);
  Bold(false);
  Values(values);
}

void ReportWriter::PlainLine(const std::string& text) {
  Text(text);
  LineEnd();
}

void ReportWriter::BoldLine(const std::string& text) {
  Bold(true);
  Text(text);
  LineEnd();
}

}  // namespace kestrelon
