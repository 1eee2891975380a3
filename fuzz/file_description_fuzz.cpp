// The description line the file dialog previews, on any bytes; a description as the writers
// put it reads back as it was given, trimmed (a NUL as the blank they write).
#include <algorithm>

#include "core/numbers.h"
#include "files/file_description.h"
#include "files/file_exists.h"
#include "fuzz_support.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::AsText(data, size);
  const std::string path = fuzz::WriteScratch("in.WCD", bytes);
  const std::string shown = ReadFileDescription(path);
  fuzz::Check(shown.find_first_of("\r\n") == std::string::npos, "a description is one line");
  fuzz::Check(shown == Trim(shown), "a description is trimmed");

  // The input's first line, as a description the user typed (the preview reads the first 4096
  // bytes of a file).
  const std::string typed(bytes.substr(0, std::min<std::size_t>(bytes.find_first_of("\r\n"), 1000)));
  fuzz::WriteScratch("out.WCD", DescriptionLine(typed) + "next line" + LineEnd);
  fuzz::Check(ReadFileDescription(fuzz::ScratchPath("out.WCD")) == Trim(fuzz::AsWritten(typed)),
              "a written description reads back");
  return 0;
}
