// Reading a description again after every keystroke in the dialog: a deed of
// 200 calls, and a long one of 10,000, in the mixed forms a real text holds.
#include <benchmark/benchmark.h>

#include <string>

#include "description/description_reader.h"

namespace tw {
namespace {

// A call in one of four written forms, with the words around it.
std::string Call(int i) {
  const std::string d = std::to_string(i % 90);
  const std::string m = std::to_string(i % 60);
  const std::string s = std::to_string((i * 7) % 60);
  const std::string distance = std::to_string(100 + i % 900) + "." + std::to_string(i % 100);
  switch (i % 4) {
    case 0:
      return "thence N " + d + "\xB0" + m + "'" + s + "\" E, " + distance +
             " feet to an iron pin;\n";
    case 1:
      return "thence South " + d + " degrees " + m + " minutes " + s +
             " seconds West, along the lands of the Carver heirs, a distance of " + distance +
             " feet;\n";
    case 2:
      return "thence S" + d + "-" + m + "-" + s + "E " + std::to_string(i % 12) + " chains " +
             std::to_string(i % 100) + " links;\n";
    default:
      return "(" + std::to_string(i) + ") thence N " + d + "\xB0 " + m + "' W " + distance +
             "' to a stake;\n";
  }
}

std::string Description(int calls) {
  std::string text = "Beginning at a stone in the south line of the Ferris tract;\n";
  for (int i = 0; i < calls; ++i)
    text += Call(i);
  return text + "to the point of beginning, containing 12.5 acres, more or less.\n";
}

void BM_ReadDescription(benchmark::State& state) {
  const std::string text = Description(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    DescriptionReading r = ReadDescription(text, {});
    benchmark::DoNotOptimize(r);
  }
  state.SetLabel(std::to_string(text.size()) + " bytes");
}
BENCHMARK(BM_ReadDescription)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw

BENCHMARK_MAIN();
