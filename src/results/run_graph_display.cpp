#include "results/run_graph_display.h"

#include "core/tables.h"

namespace kestrelon {

RunGraphDisplay GraphDisplay;

std::string TraceTitle(int traceId) {
  if (traceId < 1 || traceId > 25) return {};
  const auto i = static_cast<std::size_t>(traceId - 1);
  return GraphDisplay.TraceTitles[i].empty() ? Tbl.TraceNames[i] : GraphDisplay.TraceTitles[i];
}

void PackTraceChoices(RunGraphDisplay& display) {
  auto& choice = display.TraceChoice;
  for (int k = 1; k <= 3; ++k) {
    auto laterTrace = [&] {
      for (int j = k + 1; j <= GraphChannels; ++j)
        if (choice[j] != 0) return true;
      return false;
    };
    while (choice[k] == 0 && laterTrace()) {
      for (int j = k; j < GraphChannels; ++j) choice[j] = choice[j + 1];
      choice[GraphChannels] = 0;
    }
  }
  display.TraceCount = 0;
  for (int k = 1; k <= GraphChannels; ++k)
    if (choice[k] != 0) ++display.TraceCount;
}

void DecodeChannelColours(Long profCols, RunGraphDisplay& display) {
  const RunGraphDisplay defaults;
  if (profCols <= 0) {
    display.ChannelColour = defaults.ChannelColour;
    display.ChannelWidth = defaults.ChannelWidth;
    return;
  }
  for (int k = 1; k <= GraphChannels; ++k) {
    const Long b = profCols % 256;
    display.ChannelColour[k] = static_cast<Integer>(b % 16);
    display.ChannelWidth[k] = static_cast<Integer>(b / 16);
    profCols /= 256;
  }
}

Long EncodeChannelColours(const RunGraphDisplay& display) {
  double sum = 0;
  double place = 1;
  for (int k = 1; k <= GraphChannels; ++k) {
    sum += (display.ChannelWidth[k] * 16.0 + display.ChannelColour[k]) * place;
    place *= 256;
  }
  return CLng(sum);
}

}  // namespace kestrelon
