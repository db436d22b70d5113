#include "app/run_table.h"

#include <array>

#include "runs/run_station_blend.h"
#include "tables/model_table.h"
#include "tables/severe_weather.h"

namespace {

// Entries "3" and "4" make the very same call: a model table run is told
// only how many rows to take.
constexpr std::array<RunEntry, 6> kProgramRuns{{
    {"1", "1) Run 1200 Model", RunStationBlend, 0},
    {"2", "2) Run Long GFS Model", RunModelTable, kModelTableCapacity},
    {"3", "3) Run Short GFS Model", RunModelTable, 29},
    {"4", "4) Run Long ETA Model", RunModelTable, 29},
    {"5", "5) Run Long AVN Model", RunModelTable, 15},
    {"6", "6) Run Severe Weather Model", RunSevereWeather, 0},
}};

}  // namespace

RunTable ProgramRuns() { return kProgramRuns; }

const RunEntry* FindRun(RunTable runs, std::string_view key) {
  for (const RunEntry& entry : runs)
    if (entry.key == key) return &entry;
  return nullptr;
}
